#include "wizard/Assistent.h"

#include "folders/Auflistung.h"
#include "folders/Datenordner.h"
#include "import/Import.h"
#include "import/Importpruefung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "wizard/Schritte.h"

namespace mi {

Schrittprozeduren Schrittprozeduren::standard() {
    return Schrittprozeduren{
        Datenordner_auswählen, Datenordner_checken,          Importdatei_auswählen,
        Importdatei_checken,   Mitarbeiterdaten_importieren,
    };
}

Assistent::Assistent(Laufzeit& lz, Schrittprozeduren prozeduren)
    : lz_(lz), prozeduren_(std::move(prozeduren)) {}

template <typename Rumpf>
void Assistent::ausfuehren(Rumpf&& rumpf) {
    if (beendet()) {
        return;
    }
    try {
        rumpf();
    } catch (const Programmende& ende) {
        beenden(ende);
    }
}

void Assistent::beenden(const Programmende& ende) {
    ende_ = ende;
    if (beiEnde_) {
        beiEnde_(ende);
    }
}

void Assistent::Form_Load() {
    ausfuehren([this] {
        mitFehlerbericht(lz_, QStringLiteral("frmMitarbeiterImport - Form_Load"), [this] {
            zustaende_ = Schrittzustaende();
            if (!lz_.Datenpfad.isEmpty() && Planerdaten_vorhanden(lz_.Datenpfad)) {
                prozeduren_.datenordnerChecken(lz_, zustaende_);
            }
        });
    });
}

void Assistent::cmdAuswahl_Click(int index) {
    ausfuehren([this, index] {
        switch (index) {
            case 1:
                if (prozeduren_.datenordnerAuswaehlen(lz_)) {
                    prozeduren_.datenordnerChecken(lz_, zustaende_);
                }
                break;
            case 2:
                prozeduren_.importdateiAuswaehlen(lz_, zustaende_);
                break;
            case 3:
                prozeduren_.importdateiChecken(lz_, zustaende_);
                break;
            case 4:
                prozeduren_.mitarbeiterdatenImportieren(lz_, zustaende_);
                break;
            case 5:
                throw Programmende{Programmende::Grund::Schliessen, 0};
            default:
                break;
        }
    });
}

}  // namespace mi
