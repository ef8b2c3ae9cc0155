#pragma once

#include "base/Plattform.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace mi {

// A folder listing as the planner's file system gives it: ordinary files only
// (no folders, nothing the platform calls hidden or system), the wildcard
// matched without regard to letter case, names sorted without regard to letter
// case. Nothing when the folder cannot be listed (missing or unreadable), which
// is not the same as an empty listing.
std::optional<QStringList> dateienAuflisten(const Plattform& plattform, const QString& ordner,
                                            const QString& muster);

// The full path under which the folder holds the file name, compared without
// regard to letter case; a name spelled exactly so wins over its other
// spellings. Nothing when the folder holds none.
std::optional<QString> dateiFinden(const Plattform& plattform, const QString& ordner,
                                   const QString& name);

// True exactly when pfad names an existing folder, with or without a trailing
// separator. Never fails, never shows anything.
bool Ordner_vorhanden(const Plattform& plattform, const QString& pfad);

}  // namespace mi
