#pragma once

#include <QString>
#include <cstdint>

namespace mi {

struct Dienste;
struct Startwerte;
class Plattform;

// Appends one line to the log book in Logpfad of the month the program
// started in. Level 2 marks an entry of a planner administrator. Logging is
// best effort: no log folder, a file that cannot be opened or a line that
// cannot be written leave the log book as it was, without a word.
void Logbuch_ergaenzen(Dienste& dienste, const QString& Logpfad, const Startwerte& start,
                       std::uint8_t Stufe, const QString& Text);

// The line before scrambling: "dd.mm.yy hh:nn:ss|user|" ["VelmoAdmin|"] text,
// the time separated by the locale's time separator.
QString logzeileBilden(const Plattform& plattform, const QString& Benutzername, std::uint8_t Stufe,
                       const QString& Text);

}  // namespace mi
