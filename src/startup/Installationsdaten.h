#pragma once

#include "datastore/Planerordner.h"

#include <QString>

namespace mi {

struct Dienste;

// Reads "Velmont.dat" from the installation folder, else from the program's
// folder: the data and log folders it names, each given its trailing separator.
// Empty folders when there is no such file or it is not recognised: start-up
// goes on without a word.
Planerordner Installationsdaten_lesen(Dienste& dienste, const QString& Installationspfad);

}  // namespace mi
