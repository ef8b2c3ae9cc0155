#pragma once

#include <QString>
#include <optional>

namespace mi {

struct Dienste;

// Step 1's check. When Datenpfad holds planner data, the log folder to use:
// the one given, or else the data folder's "Logs", or "" when that folder
// does not exist. Nothing, after telling the user, when there are no data.
std::optional<QString> Datenordner_checken(Dienste& dienste, const QString& Datenpfad,
                                           const QString& Logpfad);

// Step 2: the file-open dialog; the chosen file, or nothing on cancel.
std::optional<QString> Importdatei_auswaehlen(Dienste& dienste);

}  // namespace mi
