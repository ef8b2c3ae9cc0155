#pragma once

namespace mi {

struct Laufzeit;

// Reads "Velmont.dat" from the installation folder, else from the program's
// folder, and sets Datenpfad and Logpfad from it. Gives up silently on a file
// it does not recognise.
void Installationsdaten_lesen(Laufzeit& lz);

}  // namespace mi
