#include "wizard/Schrittzustaende.h"

namespace mi {

Knopf schrittknopf(Schritt schritt) {
    switch (schritt) {
        case Schritt::Datenordner:
            return Knopf::Datenordner;
        case Schritt::Importdatei:
            return Knopf::Importdatei;
        case Schritt::Pruefen:
            return Knopf::Pruefen;
        case Schritt::Importieren:
            break;
    }
    return Knopf::Importieren;
}

Zustand zustandMit(Schritt schritt) {
    switch (schritt) {
        case Schritt::Datenordner:
            return Zustand::Datenordner;
        case Schritt::Importdatei:
            return Zustand::Importdatei;
        case Schritt::Pruefen:
            return Zustand::Pruefen;
        case Schritt::Importieren:
            break;
    }
    return Zustand::Importieren;
}

Knopf fokusknopf(Zustand zustand) {
    for (const Schritt s : AlleSchritte) {
        if (zustandMit(s) == zustand) {
            return schrittknopf(s);
        }
    }
    return Knopf::Schliessen;
}

Schrittzustaende::Schrittzustaende() {
    schritte_.at(stelle(Schritt::Datenordner)) = Schrittanzeige{Bild::Pfeil, true, true};
}

void Schrittzustaende::Schritt_abschliessen(Schritt schritt) {
    Schrittanzeige& fertig = schritte_.at(stelle(schritt));
    fertig.bild = Bild::OK;
    fertig.knopfAktiv = false;
    if (schritt != Schritt::Importieren) {
        Schrittanzeige& naechster = schritte_.at(stelle(schritt) + 1);
        naechster.rahmenAktiv = true;
        naechster.bild = Bild::Pfeil;
        naechster.knopfAktiv = true;
    }
}

Zustand Schrittzustaende::zustand() const {
    for (const Schritt s : AlleSchritte) {
        if (schritt(s).bild != Bild::OK) {
            return zustandMit(s);
        }
    }
    return Zustand::Fertig;
}

}  // namespace mi
