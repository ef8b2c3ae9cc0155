#pragma once

#include <QString>

namespace mi {

// Where the planner keeps its files: both folders end in the native separator.
// An empty log folder means nothing is logged.
struct Planerordner {
    QString Datenpfad;
    QString Logpfad;
};

}  // namespace mi
