#pragma once

namespace mi {

struct Laufzeit;

// Reads Datenpfad's "Konfigdaten.dat": sets Einstellungen and decides
// Adminstatus (2 when the user may import). Ends the program on a missing
// file or header.
void Konfigdaten_lesen(Laufzeit& lz);

// Rewrites "Konfigdaten.dat" with the current Einstellungen after every
// "[Settings]" line; every other line is kept.
void Konfigdaten_schreiben(Laufzeit& lz);

}  // namespace mi
