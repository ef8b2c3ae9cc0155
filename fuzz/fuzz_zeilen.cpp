// Every line of arbitrary bytes through the planner's line reader.
#include "Fuzzhilfe.h"

#include "datastore/Dateizugriff.h"
#include "datastore/Zeilenverschluesselung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    const QString pfad =
        lauf.dateiAnlegen(QStringLiteral("Zeilen.dat"), mi::fuzz::bytesAnsehen(daten, groesse));
    mi::Dienste& dienste = lauf.dienste;
    mi::fuzz::ausfuehren(dienste, [&] {
        mi::Datei_oeffnen(dienste, pfad, mi::Kanalmodus::Input);
        while (!dienste.kanal.dateiende()) {
            mi::LineIn(dienste);
        }
        mi::Datei_schliessen(dienste);
    });
    return 0;
}
