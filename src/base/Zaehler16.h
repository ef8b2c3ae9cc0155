#pragma once

#include "base/Fehler.h"

#include <cstdint>
#include <limits>

namespace mi {

// The planner's counters of rows, lines, entries and character positions are
// 16-bit: one step past 32,767 is the run-time error "Overflow", never a wrap.
class Zaehler16 {
  public:
    constexpr Zaehler16() = default;

    std::int16_t wert() const { return wert_; }

    Zaehler16& operator++() {
        if (wert_ == std::numeric_limits<std::int16_t>::max()) {
            fehlerAusloesen(fehlernummer::Ueberlauf);
        }
        ++wert_;
        return *this;
    }

    // A length or position that must fit the 16-bit counter.
    template <typename Ganzzahl>
    static std::int16_t pruefen(Ganzzahl n) {
        if (!passt(n)) {
            fehlerAusloesen(fehlernummer::Ueberlauf);
        }
        return static_cast<std::int16_t>(n);
    }
    // The same, its overflow reported under ort wherever it is caught.
    template <typename Ganzzahl>
    static std::int16_t pruefen(Ganzzahl n, const QString& ort) {
        if (!passt(n)) {
            fehlerAusloesen(fehlernummer::Ueberlauf, ort);
        }
        return static_cast<std::int16_t>(n);
    }

  private:
    template <typename Ganzzahl>
    static bool passt(Ganzzahl n) {
        return n >= std::numeric_limits<std::int16_t>::min() &&
               n <= std::numeric_limits<std::int16_t>::max();
    }

    std::int16_t wert_ = 0;
};

}  // namespace mi
