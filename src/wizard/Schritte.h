#pragma once

namespace mi {

struct Laufzeit;
class Schrittzustaende;

// Step 1's check: planner data in Datenpfad settle Logpfad and complete step 1.
void Datenordner_checken(Laufzeit& lz, Schrittzustaende& zustaende);

// Step 2: the file-open dialog; a chosen file completes step 2.
void Importdatei_auswählen(Laufzeit& lz, Schrittzustaende& zustaende);

}  // namespace mi
