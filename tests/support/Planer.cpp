#include "Planer.h"

#include <QDir>
#include <QDirIterator>

namespace mi::test {

const std::vector<std::pair<QString, QStringList>> Planerdateien{
    {"Konfigdaten.dat",
     {"[Velmont]", "3.2", "2026", "[Firma]", "Demo", "1", "[Settings]", QString(40, u'0'),
      "0010000000", "[Administratoren]", "A1:Chef:anna"}},
    {"Mitarbeiterdaten.dat",
     {"[Mitarbeiterdaten]", "99999999", "0", "Sales",
      "000000:999999:025,0:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:Alt Mann:alt"}},
    {"PlanerData.dat", {"[Urlaubsdaten]", "alt:260105:260109:U"}},
    {"Logs/2612 Velmont.log", {"01.12.26 08:00:00|chef|VelmoAdmin|Program started"}},
};

Planer::Planer(Sprache sprache, bool mitEinstellungsdatei) : u(sprache), dienste(u.dienste) {
    daten = baum.unterordnerAnlegen("pf/Velmora/Data");
    for (const auto& [name, zeilen] : Planerdateien) {
        baum.planerdateiAnlegen("pf/Velmora/Data/" + name, zeilen);
    }
    if (mitEinstellungsdatei) {
        baum.planerdateiAnlegen("pf/Velmora/Velmont.dat",
                                {"[Velmont]", "data_pfad=" + daten, "log_pfad="});
    }
    u.plattform.umgebungsvariablen = {{"ProgramFiles", baum.pfad("pf")}, {"USERNAME", "anna"}};
    u.plattform.ordner = baum.unterordnerAnlegen("Programm").chopped(1);
    start = {"261205", "anna", baum.pfad("pf/Velmora") + QDir::separator()};
    ordner = {daten, pfad("Logs") + QDir::separator()};
}

QString Planer::pfad(const QString& name) const {
    return daten + QDir::toNativeSeparators(name);
}

std::map<QString, QByteArray> Planer::allesLesen() const {
    std::map<QString, QByteArray> inhalt;
    QDirIterator it(baum.wurzel(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        // Named as the program names them, with the native separator.
        const QString pfad = QDir::toNativeSeparators(it.next());
        inhalt[pfad] = it.fileInfo().isFile() ? Dateibaum::lesen(pfad) : QByteArray();
    }
    return inhalt;
}

}  // namespace mi::test
