// The installation settings file, scrambled (first byte odd) or plain.
#include "Fuzzhilfe.h"

#include "startup/Installationsdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdatei(QStringLiteral("Velmont.dat"), daten, groesse)) {
        return 0;
    }
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        mi::Installationsdaten_lesen(lauf.dienste, mi::fuzz::planerordner());
    });
    return 0;
}
