#include "wizard/Schrittzustaende.h"

namespace mi {

Knopf schrittknopfFinden(Schritt schritt) {
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

Zustand zustandFinden(Schritt schritt) {
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

Knopf fokusknopfFinden(Zustand zustand) {
    for (const Schritt s : AlleSchritte) {
        if (zustandFinden(s) == zustand) {
            return schrittknopfFinden(s);
        }
    }
    return Knopf::Schliessen;
}

Schrittzustaende::Schrittzustaende() {
    schritte_.at(stelleBerechnen(Schritt::Datenordner)) = Schrittanzeige{Bild::Pfeil, true, true};
}

void Schrittzustaende::schrittAbschliessen(Schritt schritt) {
    Schrittanzeige& fertig = schritte_.at(stelleBerechnen(schritt));
    fertig.bild = Bild::OK;
    fertig.knopfAktiv = false;
    if (schritt != Schritt::Importieren) {
        Schrittanzeige& naechster = schritte_.at(stelleBerechnen(schritt) + 1);
        naechster.rahmenAktiv = true;
        naechster.bild = Bild::Pfeil;
        naechster.knopfAktiv = true;
    }
}

Zustand Schrittzustaende::zustand() const {
    for (const Schritt s : AlleSchritte) {
        if (anzeige(s).bild != Bild::OK) {
            return zustandFinden(s);
        }
    }
    return Zustand::Fertig;
}

}  // namespace mi
