#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace mi {

struct Laufzeit;

// The planner's employee file as parsed: all lists have the same length, and
// entry i of each (element i - 1) belongs to list line i.
struct Mitarbeiterdaten {
    QStringList MA_Namen;
    QStringList MA_Kennungen;
    QStringList MA_VonDatum;
    QStringList MA_BisDatum;
    QStringList MA_Urlaubswerte;
    QStringList MA_Sonderurlaub;
    QString MA_Kopfwert;
    std::int16_t MA_Kopfzahl = 0;
};

// Reads Datenpfad's "Mitarbeiterdaten.dat" into lz.mitarbeiter, or ends the program.
void Mitarbeiterdaten_lesen(Laufzeit& lz);

}  // namespace mi
