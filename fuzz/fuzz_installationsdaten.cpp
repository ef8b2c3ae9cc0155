// The installation settings file, scrambled (first byte odd) or plain.
#include "Fuzzhilfe.h"

#include "startup/Installationsdaten.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    mi::fuzz::Lauf lauf;
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1),
                            static_cast<qsizetype>(groesse - 1));
    lauf.datei(QStringLiteral("Velmora/Velmont.dat"),
               (daten[0] & 1) != 0 ? mi::fuzz::Lauf::verschluesselt(inhalt) : inhalt);
    mi::Laufzeit& lz = *lauf.lz;
    lz.Installationspfad =
        QDir::toNativeSeparators(lauf.ordner.filePath(QStringLiteral("Velmora"))) +
        QDir::separator();
    mi::fuzz::ausfuehren(lz, [&] { mi::Installationsdaten_lesen(lz); });
    return 0;
}
