#pragma once

#include <QString>
#include <cstdint>

namespace mi {

struct Laufzeit;

// Appends one line to the month's log book in Logpfad (the month of
// Tagesdatum). Level 2 marks an entry of a planner administrator. Logging is
// best effort: no log folder, a file that cannot be opened or a line that
// cannot be written leave the log book as it was, without a word.
void Logbuch_ergänzen(Laufzeit& lz, std::uint8_t Stufe, const QString& Text);

// The line before scrambling: "dd.mm.yy hh:nn:ss|user|" ["VelmoAdmin|"] text,
// the time separated by the locale's time separator.
QString logzeile(Laufzeit& lz, std::uint8_t Stufe, const QString& Text);

}  // namespace mi
