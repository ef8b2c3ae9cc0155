#pragma once

#include <QString>

namespace mi {

struct Dienste;

// Creates the folder (one level: its parent must exist) and makes it the
// current folder. Returns only on success; otherwise ends the program.
void Ordner_anlegen(Dienste& dienste, const QString& Pfad);

// Makes the folder the process's current one, changing the drive first where
// the path names one. Returns only on success; otherwise ends the program.
void Ordner_zugreifen(Dienste& dienste, const QString& Pfad);

}  // namespace mi
