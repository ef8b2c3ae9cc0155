#include "wizard/Schritte.h"

#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"
#include "startup/Start.h"
#include "wizard/Schrittzustaende.h"

namespace mi {

void Datenordner_checken(Laufzeit& lz, Schrittzustaende& zustaende) {
    mitFehlerbericht(lz, QStringLiteral("frmMitarbeiterImport - Datenordner_checken"), [&] {
        if (!Planerdaten_vorhanden(lz.Datenpfad)) {
            Meldung(lz, lz.texte.keineDatenImOrdner.arg(Pfad_zitieren(lz.texte, lz.Datenpfad)));
            return;
        }
        // A log folder from the settings file stays, wherever it lies; only a
        // missing one is looked for beside the data. It is never created: the
        // log book belongs to the planner, and without it nothing is logged.
        if (lz.Logpfad.isEmpty()) {
            lz.Logpfad = lz.Datenpfad + QStringLiteral("Logs") + Trenner;
        }
        if (!Ordner_vorhanden(lz.Logpfad)) {
            lz.Logpfad.clear();
        }
        zustaende.Schritt_abschliessen(1);
    });
}

void Importdatei_auswählen(Laufzeit& lz, Schrittzustaende& zustaende) {
    mitFehlerbericht(lz, QStringLiteral("frmMitarbeiterImport - Importdatei_auswählen"), [&] {
        const Dateiwahl wahl{lz.Programmtitel + QStringLiteral(" - ") + lz.texte.dateiwahlSchritt,
                             lz.texte.dateiwahlFilter, lz.plattform.programmordner()};
        const std::optional<QString> gewaehlt = lz.dialoge.dateiWaehlen(wahl);
        if (!gewaehlt) {
            // Cancel leaves everything as it was, without a word.
            return;
        }
        lz.Importdateipfad = nativ(*gewaehlt);
        if (!lz.Importdateipfad.isEmpty()) {
            zustaende.Schritt_abschliessen(2);
        }
    });
}

}  // namespace mi
