#pragma once

namespace mi {

struct Laufzeit;
class Schrittzustaende;

// Step 3: rights, reading, the five passes and the summary.
void Importdatei_checken(Laufzeit& lz, Schrittzustaende& zustaende);

}  // namespace mi
