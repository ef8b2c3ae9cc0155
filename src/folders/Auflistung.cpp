#include "folders/Auflistung.h"

#include "startup/Pfade.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace mi {

std::optional<QStringList> Dateien_auflisten(const QString& ordner, const QString& muster) {
    const QDir verzeichnis(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    if (!verzeichnis.exists() || !QFileInfo(verzeichnis.absolutePath()).isReadable()) {
        return std::nullopt;
    }
    QStringList namen = verzeichnis.entryList(QStringList{muster}, QDir::Files, QDir::Unsorted);
    // The planner's file system orders names by their upper-case form, code by
    // code; so "_" comes after the letters, as it does there.
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        const int r = a.toUpper().compare(b.toUpper());
        return r != 0 ? r < 0 : a < b;
    });
    return namen;
}

std::optional<QString> Datei_finden(const QString& ordner, const QString& name) {
    const auto namen = Dateien_auflisten(ordner, name);
    if (!namen || namen->isEmpty()) {
        return std::nullopt;
    }
    return (ordner.isEmpty() ? QString() : mitTrenner(ordner)) + namen->front();
}

bool Planerdaten_vorhanden(const QString& ordner) {
    const auto namen = Dateien_auflisten(ordner, QStringLiteral("*Data.dat"));
    return namen && !namen->isEmpty();
}

}  // namespace mi
