// Every line of arbitrary bytes through the planner's line reader.
#include "Fuzzhilfe.h"

#include "datastore/Dateikanal.h"
#include "datastore/Zeilenverschluesselung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    const QString pfad = lauf.datei(
        QStringLiteral("Zeilen.dat"),
        QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    mi::Laufzeit& lz = *lauf.lz;
    mi::fuzz::ausfuehren(lz, [&] {
        mi::Datei_öffnen(lz, pfad, QStringLiteral("Input"), QString());
        while (!lz.kanal.dateiende()) {
            mi::LineIn(lz);
        }
        mi::Datei_schließen(lz);
    });
    return 0;
}
