// The installation settings file, scrambled (first byte odd) or plain.
#include "Fuzzhilfe.h"

#include "startup/Installationsdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdateiAnlegen(QStringLiteral("Velmont.dat"), daten, groesse)) {
        return 0;
    }
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        mi::Installationsdaten_lesen(lauf.dienste, mi::fuzz::planerordnerNennen());
    });
    return 0;
}
