#pragma once

#include <array>
#include <cstddef>

namespace mi {

// The four steps of an import, in the order they are done.
enum class Schritt { Datenordner = 1, Importdatei, Pruefen, Importieren };
inline constexpr std::array<Schritt, 4> AlleSchritte{Schritt::Datenordner, Schritt::Importdatei,
                                                     Schritt::Pruefen, Schritt::Importieren};

// The window's five states: the step that is current, or every step done.
enum class Zustand { Datenordner = 1, Importdatei, Pruefen, Importieren, Fertig };

// The window's five buttons: each step's own, then Close.
enum class Knopf { Datenordner = 1, Importdatei, Pruefen, Importieren, Schliessen };
inline constexpr std::array<Knopf, 5> AlleKnoepfe{
    Knopf::Datenordner, Knopf::Importdatei, Knopf::Pruefen, Knopf::Importieren, Knopf::Schliessen};

// The step's button.
Knopf schrittknopfFinden(Schritt schritt);
// The state in which the step is current.
Zustand zustandFinden(Schritt schritt);
// The button where the work goes on in the state: the current step's, Close
// once every step is done.
Knopf fokusknopfFinden(Zustand zustand);

// The number the planner's window gives each of them, 1 and up, for texts
// and file names that count the steps.
constexpr int nummerLesen(Schritt s) {
    return static_cast<int>(s);
}
constexpr int nummerLesen(Zustand z) {
    return static_cast<int>(z);
}
constexpr int nummerLesen(Knopf k) {
    return static_cast<int>(k);
}

// Where a step or a button stands in an array that holds one of each, in order.
constexpr std::size_t stelleBerechnen(Schritt s) {
    return static_cast<std::size_t>(nummerLesen(s) - 1);
}
constexpr std::size_t stelleBerechnen(Knopf k) {
    return static_cast<std::size_t>(nummerLesen(k) - 1);
}

enum class Bild { Inaktiv, Pfeil, OK };

// What the window shows of one step.
struct Schrittanzeige {
    Bild bild = Bild::Inaktiv;
    bool rahmenAktiv = false;
    bool knopfAktiv = false;
};

// The four steps of the window as the step logic sees them. The window only
// draws what this holds; the steps change it through schrittAbschliessen alone.
class Schrittzustaende {
  public:
    // The state of a freshly loaded window: step 1 current, 2 to 4 not open.
    Schrittzustaende();

    // The step is done; the next one, if any, becomes current.
    void schrittAbschliessen(Schritt schritt);

    const Schrittanzeige& anzeige(Schritt s) const { return schritte_.at(stelleBerechnen(s)); }

    Zustand zustand() const;

  private:
    std::array<Schrittanzeige, 4> schritte_;
};

}  // namespace mi
