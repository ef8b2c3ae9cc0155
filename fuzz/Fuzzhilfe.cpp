#include "Fuzzhilfe.h"

#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace mi::fuzz {

QString FesteUmgebung::umgebungsvariable(const QString& name) const {
    return name == u"USERNAME" ? QStringLiteral("demo") : QString();
}

Lauf::Lauf() {
    plattform.ordner = QDir::toNativeSeparators(ordner.path());
    datenpfad = QDir::toNativeSeparators(ordner.path()) + QDir::separator();
}

QString Lauf::datei(const QString& name, const QByteArray& inhalt) const {
    const QString pfad = QDir::toNativeSeparators(ordner.filePath(name));
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size()) {
        std::abort();
    }
    return pfad;
}

QByteArray Lauf::verschluesselt(const QByteArray& klartext) {
    QByteArray datei;
    for (const QByteArray& zeile : klartext.split('\n')) {
        datei += zeileVerschluesseln(zeile, 65) + "\r\n";
    }
    return datei;
}

std::optional<QString> Lauf::planerdatei(const QString& name, const std::uint8_t* daten,
                                         std::size_t groesse) const {
    if (groesse == 0) {
        return std::nullopt;
    }
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1),
                            static_cast<qsizetype>(groesse - 1));
    return datei(name, (daten[0] & 1) != 0 ? verschluesselt(inhalt) : inhalt);
}

void ausfuehren(Dienste& dienste, const std::function<void()>& rumpf) {
    try {
        rumpf();
    } catch (const Programmende& ende) {
        if (ende.grund == Programmende::Grund::Standardausnahme) {
            std::fputs("defect: a standard exception ended the program\n", stderr);
            std::abort();
        }
    }
    if (dienste.kanal.offen()) {
        std::fputs("defect: the file channel was left open\n", stderr);
        std::abort();
    }
}

}  // namespace mi::fuzz
