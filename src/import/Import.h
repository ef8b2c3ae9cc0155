#pragma once

namespace mi {

struct Laufzeit;
class Schrittzustaende;

// Step 4: replaces the planner's employee file with the checked rows.
void Mitarbeiterdaten_importieren(Laufzeit& lz, Schrittzustaende& zustaende);

}  // namespace mi
