#pragma once

#include "import/ImportZeile.h"

#include <QString>

namespace mi {

struct Dienste;
struct Planerordner;
struct Startwerte;

// What step 4 leaves behind.
struct Importergebnis {
    bool importiert = false;  // every file is written and success was said
    QString Einstellungen;    // the settings line, its day-value step raised where needed
};

// Step 4: replaces the planner's employee file with the checked rows, after
// asking before existing employees are overwritten and saving a backup, and
// with the configuration's day-value step raised before it where the rows
// need it; success is said last.
Importergebnis Mitarbeiterdaten_importieren(Dienste& dienste, const Planerordner& ordner,
                                            const Startwerte& start,
                                            const ImportTabelle& ImportZeilen,
                                            const QString& Einstellungen);

}  // namespace mi
