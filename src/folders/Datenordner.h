#pragma once

#include <QString>
#include <optional>

namespace mi {

struct Dienste;
class Plattform;

// The folder the user chose in the folder chooser, or "" on cancel.
QString BrowseForFolder(Dienste& dienste);

// Turns the user's folder choice into the planner's data folder, with a
// trailing separator. Nothing when the chooser was cancelled or the chosen
// folder cannot be listed (the user has then been told).
std::optional<QString> Datenordner_auswaehlen(Dienste& dienste);

// The folder above the last component of pfad, with a trailing separator, or "".
// A path too long for the 16-bit positions is the error "Overflow", raised as
// this procedure's.
QString ParentDir(const QString& pfad);

// The planner data test: the folder holds a file matching "*Data.dat".
bool planerdatenVorhanden(const Plattform& plattform, const QString& ordner);

}  // namespace mi
