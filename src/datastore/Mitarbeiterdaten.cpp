#include "datastore/Mitarbeiterdaten.h"

namespace mi {

void Mitarbeiterdaten_lesen(Laufzeit& /*lz*/) {}

}  // namespace mi
