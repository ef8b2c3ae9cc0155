#include "startup/Installationsdaten.h"

#include "datastore/Dateikanal.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"

#include <array>

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Velmont.dat");
const QString Kopf = QStringLiteral("[Velmont]");
const QString DatenSchluessel = QStringLiteral("data_pfad=");
const QString LogSchluessel = QStringLiteral("log_pfad=");

std::optional<QString> einstellungsdatei(const Laufzeit& lz) {
    if (auto pfad = Datei_finden(lz.Installationspfad, Dateiname)) {
        return pfad;
    }
    return Datei_finden(mitTrenner(lz.plattform.programmordner()), Dateiname);
}

QString klartextzeile(Laufzeit& lz) {
    return cp1252Dekodieren(lz.kanal.zeileLesen());
}

}  // namespace

void Installationsdaten_lesen(Laufzeit& lz) {
    try {
        const auto pfad = einstellungsdatei(lz);
        if (!pfad) {
            return;
        }
        std::array<QString, 3> zeilen;
        Datei_öffnen(lz, *pfad, QStringLiteral("Input"), QString());
        zeilen[0] = LineIn(lz);
        if (zeilen[0] == Kopf) {
            zeilen[1] = LineIn(lz);
            zeilen[2] = LineIn(lz);
        } else {
            // The same file may also be kept as plain text.
            Datei_schließen(lz);
            Datei_öffnen(lz, *pfad, QStringLiteral("Input"), QString());
            if (klartextzeile(lz) != Kopf) {
                Datei_schließen(lz);
                return;
            }
            zeilen[1] = klartextzeile(lz);
            zeilen[2] = klartextzeile(lz);
        }
        Datei_schließen(lz);

        if (!zeilen[1].startsWith(DatenSchluessel)) {
            return;
        }
        lz.Datenpfad = zeilen[1].mid(DatenSchluessel.size());
        if (zeilen[2].startsWith(LogSchluessel)) {
            lz.Logpfad = zeilen[2].mid(LogSchluessel.size());
        }
    } catch (const std::exception&) {
        // A file that is not what it should be leaves the user to choose the
        // data folder; start-up goes on without a word.
        lz.kanal.verwerfen();
    }
}

}  // namespace mi
