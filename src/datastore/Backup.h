#pragma once

#include <QString>

namespace mi {

struct Laufzeit;

// Saves every ".dat" file of Datenpfad and every ".log" file of Logpfad into
// one scrambled file Datenpfad/Backups/"yymmdd hhnnss <Bezeichnung>.dat".
// False when the backup file cannot be created; every other failure ends the
// program.
bool Backup_erstellen(Laufzeit& lz, const QString& Bezeichnung);

}  // namespace mi
