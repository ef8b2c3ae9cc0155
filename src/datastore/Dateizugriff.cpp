#include "datastore/Dateizugriff.h"

#include "messages/Meldungen.h"
#include "services/Dienste.h"

namespace mi {

bool Datei_oeffnen(Dienste& dienste, const QString& pfad, Kanalmodus modus, Fehlerfolge option) {
    try {
        dienste.kanal.oeffnen(pfad, modus);
        return true;
    } catch (const Laufzeitfehler&) {
        dienste.kanal.verwerfen();
        if (option == Fehlerfolge::Ignorieren) {
            return false;
        }
        const Texte& t = dienste.texte;
        Abbruchmeldung(dienste,
                       t.dateiNichtGeoeffnet.arg(pfad) + QStringLiteral("\r\r") + t.zugriffsrechte +
                           (modus == Kanalmodus::Input ? t.endungLesen : t.endungSchreiben));
    }
}

void Datei_schliessen(Dienste& dienste) try { dienste.kanal.schliessen(); } catch (...) {
    // Only a save can fail here, and it fails like a line that cannot be written.
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - LineOut"));
}

}  // namespace mi
