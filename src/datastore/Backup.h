#pragma once

#include <QString>

namespace mi {

struct Dienste;
struct Planerordner;

// Saves every ".dat" file of the data folder and every ".log" file of the log
// folder into one scrambled file <data folder>/Backups/"yymmdd hhnnss
// <Bezeichnung>.dat", yymmdd being the start date. False when the backup file
// cannot be created; every other failure ends the program.
bool Backup_erstellen(Dienste& dienste, const Planerordner& ordner, const QString& Tagesdatum,
                      const QString& Bezeichnung);

}  // namespace mi
