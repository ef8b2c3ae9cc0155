#include "datastore/Backup.h"

#include "base/Auflistung.h"
#include "base/Pfade.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Ordner.h"
#include "datastore/Planerordner.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace mi {

namespace {

// Every line of the backup in the order it is written, its plain bytes in one
// buffer: a backup holds megabytes of lines, which are copied as plain bytes,
// without the detour through text, and without a buffer of their own each.
class Sammlung {
  public:
    // A backup holds a few megabytes; a line of the planner is far shorter
    // than 32-bit lengths reach. Eight bytes a line keep the index small.
    struct Zeile {
        std::uint32_t anfang;
        std::uint32_t laenge;
    };

    // Room for n more bytes: a file's lines never take more than the file.
    void platzSchaffen(qsizetype n) {
        if (fuellung_ + n > bytes_.size()) {
            bytes_.resize(std::max(fuellung_ + n, bytes_.size() * 2));
        }
    }
    void anhaengen(QByteArrayView klartext) {
        platzSchaffen(klartext.size());
        std::copy(klartext.begin(), klartext.end(), bytes_.data() + fuellung_);
        zeilen.push_back(zeileBilden(fuellung_, klartext.size()));
        fuellung_ += klartext.size();
    }
    // The plain bytes of a stored line, within the room made before.
    void entschluesseltAnhaengen(QByteArrayView gespeichert) {
        entschluesseltSchreiben(gespeichert, bytes_.data() + fuellung_);
        zeilen.push_back(zeileBilden(fuellung_, gespeichert.size() - 1));
        fuellung_ += gespeichert.size() - 1;
    }
    static Zeile zeileBilden(qsizetype anfang, qsizetype laenge) {
        return {static_cast<std::uint32_t>(anfang), static_cast<std::uint32_t>(laenge)};
    }
    QByteArrayView klartext(const Zeile& z) const {
        return QByteArrayView(bytes_).sliced(z.anfang, z.laenge);
    }

    std::vector<Zeile> zeilen;

  private:
    QByteArray bytes_;
    qsizetype fuellung_ = 0;
};

// One block per file: "[name]", "[line count]", the plain lines. A data store
// easily holds more lines than the 16-bit counters reach, so nothing here is
// bounded by them.
void dateienSammeln(Dienste& dienste, const QString& ordner, const QString& muster,
                    Sammlung& sammlung) {
    // An empty folder name would list the current folder, which holds no
    // planner data; and a folder that cannot be listed holds nothing to save.
    if (ordner.isEmpty()) {
        return;
    }
    const QStringList namen =
        dateienAuflisten(dienste.plattform, ordner, muster).value_or(QStringList());
    for (const QString& name : namen) {
        sammlung.anhaengen(cp1252Kodieren(u'[' + name + u']'));
        const std::size_t zaehlzeile = sammlung.zeilen.size();
        sammlung.zeilen.push_back({});
        Datei_oeffnen(dienste, trennerAnhaengen(ordner) + name, Kanalmodus::Input);
        sammlung.platzSchaffen(dienste.kanal.groesse());
        qsizetype anzahl = 0;
        while (!dienste.kanal.dateiende()) {
            sammlung.entschluesseltAnhaengen(gespeicherteZeileLesen(dienste));
            ++anzahl;
        }
        Datei_schliessen(dienste);
        // The count comes after the lines in the buffer, but before them in the file.
        sammlung.anhaengen('[' + QByteArray::number(anzahl) + ']');
        std::swap(sammlung.zeilen[zaehlzeile], sammlung.zeilen.back());
        sammlung.zeilen.pop_back();
    }
}

}  // namespace

bool Backup_erstellen(Dienste& dienste, const Planerordner& ordner, const QString& Tagesdatum,
                      const QString& Bezeichnung) try {
    const QString backups =
        trennerAnhaengen(ordner.Datenpfad) + QStringLiteral("Backups") + Trenner;
    if (!Ordner_vorhanden(dienste.plattform, backups)) {
        Ordner_anlegen(dienste, backups);
    }
    const QString name = Tagesdatum + u' ' +
                         dienste.plattform.jetzt().toString(QStringLiteral("HHmmss")) + u' ' +
                         Bezeichnung + QStringLiteral(".dat");

    // The ".log" files follow the ".dat" files, and are collected even from a
    // data folder without any ".dat" file.
    Sammlung sammlung;
    dateienSammeln(dienste, ordner.Datenpfad, QStringLiteral("*.dat"), sammlung);
    dateienSammeln(dienste, ordner.Logpfad, QStringLiteral("*.log"), sammlung);

    if (!Datei_oeffnen(dienste, backups + name, Kanalmodus::Output, Fehlerfolge::Ignorieren)) {
        return false;
    }
    LineOut(dienste, QStringLiteral("[VelmontBackup]"));
    for (const Sammlung::Zeile& zeile : sammlung.zeilen) {
        klartextSchreiben(dienste, sammlung.klartext(zeile));
    }
    Datei_schliessen(dienste);
    return true;
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Backup_erstellen"));
}

}  // namespace mi
