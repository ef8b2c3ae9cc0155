#include "startup/Installationsdaten.h"

namespace mi {

void Installationsdaten_lesen(Laufzeit& /*lz*/) {}

}  // namespace mi
