#pragma once

#include <QString>

namespace mi {

struct Laufzeit;

// The folder the user chose in the folder chooser, or "" on cancel.
QString BrowseForFolder(Laufzeit& lz);

// Turns the user's folder choice into Datenpfad. False when the chooser was
// cancelled or the chosen folder cannot be listed.
bool Datenordner_auswählen(Laufzeit& lz);

// The folder above the last component of pfad, with a trailing separator, or "".
QString ParentDir(Laufzeit& lz, const QString& pfad);

}  // namespace mi
