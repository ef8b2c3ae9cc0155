#pragma once

#include "base/Startwerte.h"
#include "datastore/Planerordner.h"
#include "import/ImportZeile.h"

#include <QString>

namespace mi {

// The wizard's values: what the steps found out so far. Only the wizard
// changes them, from what each step returns.
struct Sitzung {
    Startwerte start;
    Planerordner ordner;
    QString Importdateipfad;
    // The rows the check left (ImportZeilen) with their separator, kept whole
    // with the text they point into.
    Importdatei import;
    QString Einstellungen;
};

}  // namespace mi
