#pragma once

#include <QString>
#include <cstdint>
#include <exception>

namespace mi {

// A run-time error the program raises on purpose, numbered as the planner's
// platform numbers them, so the error report shows the number an administrator
// may already know.
struct Laufzeitfehler : std::exception {
    std::int32_t nummer;
    QString beschreibung;
    // The location of the procedure whose own handler reports the error, for
    // the procedures down here that cannot show a report themselves; empty
    // lets the first handler it reaches name itself.
    QString ort;

    Laufzeitfehler(std::int32_t nr, QString text, QString wo = {})
        : nummer(nr), beschreibung(std::move(text)), ort(std::move(wo)) {}
    const char* what() const noexcept override { return "Laufzeitfehler"; }
};

namespace fehlernummer {
inline constexpr std::int32_t UngueltigerAufruf = 5;
inline constexpr std::int32_t Ueberlauf = 6;
inline constexpr std::int32_t KeinSpeicher = 7;
inline constexpr std::int32_t IndexAusserhalb = 9;
inline constexpr std::int32_t Typenkonflikt = 13;
inline constexpr std::int32_t InternerFehler = 51;
inline constexpr std::int32_t UngueltigerDateiname = 52;
inline constexpr std::int32_t DateiNichtGefunden = 53;
inline constexpr std::int32_t GeraeteFehler = 57;
inline constexpr std::int32_t DatentraegerVoll = 61;
inline constexpr std::int32_t LesenNachDateiende = 62;
inline constexpr std::int32_t ZugriffVerweigert = 70;
inline constexpr std::int32_t PfadZugriffsfehler = 75;
inline constexpr std::int32_t PfadNichtGefunden = 76;
inline constexpr std::int32_t KomponenteFehlt = 339;
inline constexpr std::int32_t UnerwarteterFehler = 50003;
}  // namespace fehlernummer

// The platform's description for the numbers above; "Application-defined or
// object-defined error" for any other.
QString fehlerBeschreiben(std::int32_t nummer);

// Raises the numbered error with its standard description.
[[noreturn]] void fehlerAusloesen(std::int32_t nummer);

// The same, reported under ort wherever it is caught.
[[noreturn]] void fehlerAusloesen(std::int32_t nummer, const QString& ort);

// How the program came to an end. Thrown by the ending procedures after their
// box was closed and caught only at the two boundaries (start-up and the button
// dispatcher). It is deliberately not a std::exception, so no procedure's own
// error handler can take it for an ordinary error and carry on.
struct Programmende {
    enum class Grund {
        Schliessen,        // the user closed the window: status 0
        Abbruchmeldung,    // a condition the program cannot go on from
        Fehlerbericht,     // a run-time error raised on purpose
        Standardausnahme,  // a run-time error that came from a standard exception: a defect
        NichtInstalliert,  // start-up could not build the window
    };
    Grund grund;
    int status = 1;
};

}  // namespace mi
