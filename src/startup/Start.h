#pragma once

#include "messages/Fehler.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace mi {

struct Laufzeit;

// Six digits yymmdd; the time of day plays no part.
QString FormatDatumDS(Laufzeit& lz, const QDate& datum);

// True exactly when pfad names an existing folder, with or without a trailing
// separator. Never fails, never shows anything.
bool Ordner_vorhanden(const QString& pfad);

// Start-up up to the settings file: title, decimal separator, today's date,
// user name and the planner's installation folder.
void Startwerte_setzen(Laufzeit& lz);

// The program's entry: start-up, then fensterZeigen creates and shows the
// window. A failure to build the window's own parts (errors 50003 and 339)
// means the planner is not installed. Returns how the program ended, or nothing
// while the window runs.
std::optional<Programmende> Main(Laufzeit& lz, const std::function<void()>& fensterZeigen);

}  // namespace mi
