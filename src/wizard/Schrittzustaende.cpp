#include "wizard/Schrittzustaende.h"

namespace mi {

Schrittzustaende::Schrittzustaende() {
    schritte_[0] = Schritt{Bild::Pfeil, true, true};
}

void Schrittzustaende::Schritt_abschliessen(int n) {
    Schritt& fertig = schritte_.at(static_cast<std::size_t>(n - 1));
    fertig.bild = Bild::OK;
    fertig.knopfAktiv = false;
    if (n < 4) {
        Schritt& naechster = schritte_.at(static_cast<std::size_t>(n));
        naechster.rahmenAktiv = true;
        naechster.bild = Bild::Pfeil;
        naechster.knopfAktiv = true;
    }
}

int Schrittzustaende::zustand() const {
    for (int n = 1; n <= 4; ++n) {
        if (schritt(n).bild != Bild::OK) {
            return n;
        }
    }
    return 5;
}

}  // namespace mi
