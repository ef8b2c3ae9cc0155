#pragma once

#include <QString>

namespace mi {

// What start-up learns once and every later step reads: fixed for the run.
struct Startwerte {
    QString Tagesdatum;         // the start date as yymmdd
    QString Benutzername;       // the Windows user name, or "NoName"
    QString Installationspfad;  // the planner's folder, with a trailing separator
};

}  // namespace mi
