#pragma once

#include "datastore/Konfigdaten.h"
#include "import/ImportZeile.h"

#include <QString>

namespace mi {

struct Dienste;

// What one run of the check leaves behind.
struct Pruefergebnis {
    Konfiguration konfiguration;
    Importdatei datei;        // the rows as the run left them; none when not read
    bool fehlerfrei = false;  // every row passed: the import may follow
};

// Step 3: the user's right to import, the file's rows, the four passes and the
// summary, which lists every fault the user passed over.
Pruefergebnis Importdatei_checken(Dienste& dienste, const QString& Datenpfad,
                                  const QString& Importdateipfad, const QString& Benutzername);

}  // namespace mi
