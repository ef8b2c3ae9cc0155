#include "datastore/Backup.h"

#include "base/Auflistung.h"
#include "base/Pfade.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Planerordner.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Ordner.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QByteArrayList>

namespace mi {

namespace {

// One block per file: "[name]", "[line count]", the plain lines. A data store
// easily holds more lines than the 16-bit counters reach, so nothing here is
// bounded by them.
void dateienSammeln(Dienste& dienste, const QString& ordner, const QString& muster,
                    QByteArrayList& zeilen) {
    // An empty folder name would list the current folder, which holds no
    // planner data; and a folder that cannot be listed holds nothing to save.
    if (ordner.isEmpty()) {
        return;
    }
    const QStringList namen =
        Dateien_auflisten(dienste.plattform, ordner, muster).value_or(QStringList());
    for (const QString& name : namen) {
        zeilen.append(cp1252Kodieren(u'[' + name + u']'));
        const qsizetype zaehlzeile = zeilen.size();
        zeilen.append(QByteArray());
        Datei_oeffnen(dienste, mitTrenner(ordner) + name, Kanalmodus::Input);
        qsizetype anzahl = 0;
        while (!dienste.kanal.dateiende()) {
            zeilen.append(klartextLesen(dienste));
            ++anzahl;
        }
        Datei_schliessen(dienste);
        zeilen[zaehlzeile] = '[' + QByteArray::number(anzahl) + ']';
    }
}

}  // namespace

bool Backup_erstellen(Dienste& dienste, const Planerordner& ordner, const QString& Tagesdatum,
                      const QString& Bezeichnung) {
    return mitFehlerbericht(
        dienste, QStringLiteral("modMitarbeiterImport - Backup_erstellen"), [&] {
            const QString backups =
                mitTrenner(ordner.Datenpfad) + QStringLiteral("Backups") + Trenner;
            if (!Ordner_vorhanden(dienste.plattform, backups)) {
                Ordner_anlegen(dienste, backups);
            }
            const QString name = Tagesdatum + u' ' +
                                 dienste.plattform.jetzt().toString(QStringLiteral("HHmmss")) +
                                 u' ' + Bezeichnung + QStringLiteral(".dat");

            // The ".log" files follow the ".dat" files, and are collected even
            // from a data folder without any ".dat" file. The lines are copied as
            // plain bytes: a backup holds megabytes of them.
            QByteArrayList zeilen;
            dateienSammeln(dienste, ordner.Datenpfad, QStringLiteral("*.dat"), zeilen);
            dateienSammeln(dienste, ordner.Logpfad, QStringLiteral("*.log"), zeilen);

            if (!Datei_oeffnen(dienste, backups + name, Kanalmodus::Output,
                               BeiFehler::Ignorieren)) {
                return false;
            }
            LineOut(dienste, QStringLiteral("[VelmontBackup]"));
            for (const QByteArray& zeile : zeilen) {
                klartextSchreiben(dienste, zeile);
            }
            Datei_schliessen(dienste);
            return true;
        });
}

}  // namespace mi
