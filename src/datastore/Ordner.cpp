#include "datastore/Ordner.h"

#include "messages/Meldungen.h"
#include "services/Dienste.h"

namespace mi {

void Ordner_anlegen(Dienste& dienste, const QString& Pfad) {
    if (Pfad.isEmpty() || !dienste.plattform.verzeichnisAnlegen(Pfad)) {
        Abbruchmeldung(dienste,
                       dienste.texte.ordnerNichtAngelegt.arg(Pfad_zitieren(dienste.texte, Pfad)));
    }
    Ordner_zugreifen(dienste, Pfad);
}

void Ordner_zugreifen(Dienste& dienste, const QString& Pfad) {
    if (Pfad.isEmpty() || !dienste.plattform.verzeichnisBetreten(Pfad)) {
        Abbruchmeldung(dienste,
                       dienste.texte.ordnerKeinZugriff.arg(Pfad_zitieren(dienste.texte, Pfad)));
    }
}

}  // namespace mi
