#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mi {

// A folder listing as the planner's file system gives it: ordinary files only
// (no folders, no hidden or system files; on POSIX a dot-file counts as
// hidden), the wildcard matched without regard to letter case, names sorted
// without regard to letter case. Nothing when the folder cannot be listed
// (missing or unreadable), which is not the same as an empty listing.
std::optional<QStringList> Dateien_auflisten(const QString& ordner, const QString& muster);

// The full path under which the folder really holds the file name, compared
// without regard to letter case; nothing when it holds none.
std::optional<QString> Datei_finden(const QString& ordner, const QString& name);

// The planner data test: the folder holds a file matching "*Data.dat".
bool Planerdaten_vorhanden(const QString& ordner);

}  // namespace mi
