#pragma once

#include <QString>
#include <cstdint>

namespace mi {

struct Dienste;

// What the planner's configuration file says for this import.
struct Konfiguration {
    QString Einstellungen;         // the settings line
    std::int16_t Adminstatus = 0;  // 2 when the user may import
};

// Reads Datenpfad's "Konfigdaten.dat" and decides whether Benutzername may
// import. Ends the program on a missing file or header.
Konfiguration Konfigdaten_lesen(Dienste& dienste, const QString& Datenpfad,
                                const QString& Benutzername);

// Rewrites "Konfigdaten.dat" with Einstellungen after every "[Settings]"
// line; every other line is kept. A file without such a line, or one that
// cannot be rewritten, ends the program with its message.
void Konfigdaten_schreiben(Dienste& dienste, const QString& Datenpfad,
                           const QString& Einstellungen);

}  // namespace mi
