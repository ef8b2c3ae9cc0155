#include "folders/Auflistung.h"

#include "startup/Pfade.h"

#include <QDir>
#include <QFileInfo>

namespace mi {

std::optional<QStringList> Dateien_auflisten(const QString& ordner, const QString& muster) {
    const QDir verzeichnis(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    if (!verzeichnis.exists() || !QFileInfo(verzeichnis.absolutePath()).isReadable()) {
        return std::nullopt;
    }
    return verzeichnis.entryList(QStringList{muster}, QDir::Files, QDir::Name | QDir::IgnoreCase);
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
