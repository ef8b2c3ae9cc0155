#pragma once

#include "Dateibaum.h"
#include "Fakes.h"
#include "base/Startwerte.h"
#include "datastore/Planerordner.h"

#include <map>
#include <utility>
#include <vector>

namespace mi::test {

// The data folder's files, relative to it, in the order a backup lists them.
// Only "anna" may import; day values in whole days.
extern const std::vector<std::pair<QString, QStringList>> Planerdateien;

// A planner installation as the program finds it on a PC: "ProgramFiles" holds
// the planner's folder "Velmora" (with the settings file naming its data folder
// "Data", if wanted), the data folder its log book "Logs"; the import file lies
// in the program's own folder "Programm", where the file dialog opens.
struct Planer {
    explicit Planer(Sprache sprache = Sprache::EN, bool mitEinstellungsdatei = true);

    QString pfad(const QString& name) const;  // a file of the data folder
    QStringList planerzeilenLesen(const QString& name) const {
        return Dateibaum::planerzeilenLesen(pfad(name));
    }
    // Every file and folder of the tree with its bytes.
    std::map<QString, QByteArray> allesLesen() const;

    Umgebung u;
    Dienste& dienste;
    Dateibaum baum;
    QString daten;  // with a trailing separator
    // What start-up and step 1 leave behind, for a step run on its own.
    Startwerte start;
    Planerordner ordner;
};

}  // namespace mi::test
