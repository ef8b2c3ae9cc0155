#pragma once

#include "base/Fehler.h"
#include "base/Startwerte.h"
#include "datastore/Planerordner.h"

#include <functional>
#include <optional>

namespace mi {

struct Dienste;

// Start-up up to the settings file: today's date, the user name and the
// planner's installation folder.
Startwerte startwerteSetzen(Dienste& dienste);

// Shows the window with the values start-up found.
using Fensterstart = std::function<void(const Startwerte&, const Planerordner&)>;

// The program's entry: start-up, then fensterZeigen creates and shows the
// window. A failure to build the window's own parts (errors 50003 and 339)
// means the planner is not installed. Returns how the program ended, or nothing
// while the window runs.
std::optional<Programmende> Main(Dienste& dienste, const Fensterstart& fensterZeigen);

}  // namespace mi
