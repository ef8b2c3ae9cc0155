#include "datastore/Backup.h"

#include "datastore/Dateikanal.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "folders/Ordner.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"
#include "startup/Start.h"

#include <QByteArrayList>

namespace mi {

namespace {

// One block per file: "[name]", "[line count]", the plain lines. A data store
// easily holds more lines than the 16-bit counters reach, so nothing here is
// bounded by them.
void dateienSammeln(Laufzeit& lz, const QString& ordner, const QString& muster,
                    QByteArrayList& zeilen) {
    // An empty folder name would list the current folder, which holds no
    // planner data; and a folder that cannot be listed holds nothing to save.
    if (ordner.isEmpty()) {
        return;
    }
    const QStringList namen = Dateien_auflisten(ordner, muster).value_or(QStringList());
    for (const QString& name : namen) {
        zeilen.append(cp1252Kodieren(u'[' + name + u']'));
        const qsizetype zaehlzeile = zeilen.size();
        zeilen.append(QByteArray());
        Datei_öffnen(lz, mitTrenner(ordner) + name, QStringLiteral("Input"), QString());
        qsizetype anzahl = 0;
        while (!lz.kanal.dateiende()) {
            zeilen.append(klartextLesen(lz));
            ++anzahl;
        }
        Datei_schließen(lz);
        zeilen[zaehlzeile] = '[' + QByteArray::number(anzahl) + ']';
    }
}

}  // namespace

bool Backup_erstellen(Laufzeit& lz, const QString& Bezeichnung) {
    return mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Backup_erstellen"), [&] {
        const QString ordner = mitTrenner(lz.Datenpfad) + QStringLiteral("Backups") + Trenner;
        if (!Ordner_vorhanden(ordner)) {
            Ordner_anlegen(lz, ordner);
        }
        const QString name = lz.Tagesdatum + u' ' +
                             lz.plattform.jetzt().toString(QStringLiteral("HHmmss")) + u' ' +
                             Bezeichnung + QStringLiteral(".dat");

        // The ".log" files follow the ".dat" files, and are collected even
        // from a data folder without any ".dat" file. The lines are copied as
        // plain bytes: a backup holds megabytes of them.
        QByteArrayList zeilen;
        dateienSammeln(lz, lz.Datenpfad, QStringLiteral("*.dat"), zeilen);
        dateienSammeln(lz, lz.Logpfad, QStringLiteral("*.log"), zeilen);

        if (!Datei_öffnen(lz, ordner + name, QStringLiteral("Output"),
                          QStringLiteral("IgnoreErrors"))) {
            return false;
        }
        LineOut(lz, QStringLiteral("[VelmontBackup]"));
        for (const QByteArray& zeile : zeilen) {
            klartextSchreiben(lz, zeile);
        }
        Datei_schließen(lz);
        return true;
    });
}

}  // namespace mi
