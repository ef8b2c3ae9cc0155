#pragma once

#include "base/Dateikanal.h"

#include <QString>

namespace mi {

struct Dienste;

// What a failed open does: end the program with the file message of the mode,
// or merely close the channel and report false ("IgnoreErrors").
enum class Fehlerfolge { Beenden, Ignorieren };

// Opens pfad on the one channel in the mode. On failure the channel is closed
// and the option decides, see above.
bool Datei_oeffnen(Dienste& dienste, const QString& pfad, Kanalmodus modus,
                   Fehlerfolge option = Fehlerfolge::Beenden);

// The writer's own close: an "Output" file replaces its target now. A failure
// to save is a write failure and reported as the line writer reports one.
void Datei_schliessen(Dienste& dienste);

}  // namespace mi
