#include "startup/Installationsdaten.h"

#include "base/Auflistung.h"
#include "base/Pfade.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "services/Dienste.h"

#include <array>

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Velmont.dat");
const QString Kopf = QStringLiteral("[Velmont]");
const QString DatenSchluessel = QStringLiteral("data_pfad=");
const QString LogSchluessel = QStringLiteral("log_pfad=");

std::optional<QString> einstellungsdateiFinden(const Plattform& p,
                                               const QString& Installationspfad) {
    if (auto pfad = dateiFinden(p, Installationspfad, Dateiname)) {
        return pfad;
    }
    return dateiFinden(p, trennerAnhaengen(p.programmordner()), Dateiname);
}

QString klartextzeileLesen(Dateikanal& kanal) {
    return cp1252Dekodieren(kanal.zeileLesen());
}

// The three lines of the file, scrambled or, as it may also be kept, plain.
// Nothing when its first line is not the header either way.
std::optional<std::array<QString, 3>> dreiZeilenLesen(Dienste& dienste, const QString& pfad) {
    std::array<QString, 3> zeilen;
    Datei_oeffnen(dienste, pfad, Kanalmodus::Input);
    zeilen[0] = LineIn(dienste);
    if (zeilen[0] == Kopf) {
        zeilen[1] = LineIn(dienste);
        zeilen[2] = LineIn(dienste);
    } else {
        Datei_schliessen(dienste);
        Datei_oeffnen(dienste, pfad, Kanalmodus::Input);
        if (klartextzeileLesen(dienste.kanal) != Kopf) {
            Datei_schliessen(dienste);
            return std::nullopt;
        }
        zeilen[1] = klartextzeileLesen(dienste.kanal);
        zeilen[2] = klartextzeileLesen(dienste.kanal);
    }
    Datei_schliessen(dienste);
    return zeilen;
}

// Every later step joins file names straight onto the folders.
QString ordnerpfadBilden(const QString& pfad) {
    return pfad.isEmpty() ? pfad : trennerAnhaengen(pfad);
}

}  // namespace

Planerordner Installationsdaten_lesen(Dienste& dienste, const QString& Installationspfad) {
    Planerordner ordner;
    try {
        const auto pfad = einstellungsdateiFinden(dienste.plattform, Installationspfad);
        if (!pfad) {
            return ordner;
        }
        const auto zeilen = dreiZeilenLesen(dienste, *pfad);
        if (!zeilen || !(*zeilen)[1].startsWith(DatenSchluessel)) {
            return ordner;
        }
        ordner.Datenpfad = ordnerpfadBilden((*zeilen)[1].mid(DatenSchluessel.size()));
        if ((*zeilen)[2].startsWith(LogSchluessel)) {
            ordner.Logpfad = ordnerpfadBilden((*zeilen)[2].mid(LogSchluessel.size()));
        }
    } catch (const std::exception&) {
        // A file that is not what it should be leaves the user to choose the
        // data folder; start-up goes on without a word.
        dienste.kanal.verwerfen();
    }
    return ordner;
}

}  // namespace mi
