#pragma once

#include "messages/Fehler.h"
#include "wizard/Schrittzustaende.h"

#include <functional>
#include <optional>

namespace mi {

struct Laufzeit;

// What the buttons run. Production takes the real steps; tests put stand-ins
// in their place to see the dispatch alone.
struct Schrittprozeduren {
    std::function<bool(Laufzeit&)> datenordnerAuswaehlen;
    std::function<void(Laufzeit&, Schrittzustaende&)> datenordnerChecken;
    std::function<void(Laufzeit&, Schrittzustaende&)> importdateiAuswaehlen;
    std::function<void(Laufzeit&, Schrittzustaende&)> importdateiChecken;
    std::function<void(Laufzeit&, Schrittzustaende&)> mitarbeiterdatenImportieren;

    static Schrittprozeduren standard();
};

// The window's logic without widgets: the step states, the load-time jump to
// step 2 and the button dispatch. This is the one boundary where the ending
// procedures land: once the program has ended, nothing more runs here.
class Assistent {
  public:
    explicit Assistent(Laufzeit& lz, Schrittprozeduren prozeduren = Schrittprozeduren::standard());

    void Form_Load();
    void cmdAuswahl_Click(int index);

    const Schrittzustaende& zustaende() const { return zustaende_; }
    bool beendet() const { return ende_.has_value(); }
    const std::optional<Programmende>& ende() const { return ende_; }

    // Called once, when the program ends; production closes the window and
    // leaves the event loop with the status.
    void beiProgrammende(std::function<void(const Programmende&)> aktion) {
        beiEnde_ = std::move(aktion);
    }

  private:
    template <typename Rumpf>
    void ausfuehren(Rumpf&& rumpf);
    void beenden(const Programmende& ende);

    Laufzeit& lz_;
    Schrittprozeduren prozeduren_;
    Schrittzustaende zustaende_;
    std::optional<Programmende> ende_;
    std::function<void(const Programmende&)> beiEnde_;
};

}  // namespace mi
