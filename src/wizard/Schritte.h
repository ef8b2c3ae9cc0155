#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace mi {

class Plattform;
struct Dienste;

// Step 1's check. When Datenpfad holds planner data, the log folder to use:
// the one given, or else the data folder's "Logs", or "" when that folder
// does not exist. Nothing, after telling the user, when there are no data.
std::optional<QString> Datenordner_checken(Dienste& dienste, const QString& Datenpfad,
                                           const QString& Logpfad);

// Step 2: the file-open dialog; the chosen file, or nothing on cancel.
std::optional<QString> Importdatei_auswaehlen(Dienste& dienste);

// Step 2 by a drop: the file the dropped urls offer, when the file dialog would
// have offered it: exactly one local url of an existing file (not a folder)
// whose name ends in ".csv" in any letter case. Its full path with native
// separators, or nothing.
std::optional<QString> abgelegteImportdateiErmitteln(const Plattform& plattform,
                                                     const QList<QUrl>& urls);

}  // namespace mi
