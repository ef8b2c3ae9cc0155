#pragma once

#include <array>

namespace mi {

enum class Bild { Inaktiv, Pfeil, OK };

struct Schritt {
    Bild bild = Bild::Inaktiv;
    bool rahmenAktiv = false;
    bool knopfAktiv = false;
};

// The four steps of the window as the step logic sees them. The window only
// draws what this holds; the steps change it through Schritt_abschliessen alone.
class Schrittzustaende {
  public:
    // The state of a freshly loaded window: step 1 current, 2 to 4 not open.
    Schrittzustaende();

    // Step n (1 to 4) is done; the next one, if any, becomes current.
    void Schritt_abschliessen(int n);

    const Schritt& schritt(int n) const { return schritte_.at(static_cast<std::size_t>(n - 1)); }

    // 1 to 5: the step that is current, 5 when all four are done.
    int zustand() const;

  private:
    std::array<Schritt, 4> schritte_;
};

}  // namespace mi
