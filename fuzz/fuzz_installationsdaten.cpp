// The installation settings file, scrambled (first byte odd) or plain.
#include "Fuzzhilfe.h"

#include "startup/Installationsdaten.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdatei(QStringLiteral("Velmora/Velmont.dat"), daten, groesse)) {
        return 0;
    }
    const QString installation =
        QDir::toNativeSeparators(lauf.ordner.filePath(QStringLiteral("Velmora"))) +
        QDir::separator();
    mi::fuzz::ausfuehren(lauf.dienste,
                         [&] { mi::Installationsdaten_lesen(lauf.dienste, installation); });
    return 0;
}
