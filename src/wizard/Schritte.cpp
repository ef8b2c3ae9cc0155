#include "wizard/Schritte.h"

namespace mi {

void Datenordner_checken(Laufzeit& /*lz*/, Schrittzustaende& /*zustaende*/) {}

void Importdatei_auswählen(Laufzeit& /*lz*/, Schrittzustaende& /*zustaende*/) {}

}  // namespace mi
