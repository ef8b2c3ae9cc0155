#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace mi {

struct Dienste;

// One line of the planner's employee list: an employee, or a title the planner
// shows above a group of them (its text in Name, every other field empty).
// Day values are kept as the file writes them: "ddd,d" or "-dd,d". The
// fields carry the planner's names for the line's parts, as ImportZeile does.
struct Mitarbeiter {
    bool titel = false;
    QString Name;
    QString Benutzerkennung;              // the Windows user name
    QString VonDatum;                     // yymmdd, "000000" when open
    QString BisDatum;                     // yymmdd, "999999" when open
    std::array<QString, 5> Urlaubswerte;  // residual vacation, then the four entitlements
    QString Sonderurlaub;
};

// The employee file: two header values and the list in its order.
struct Mitarbeiterliste {
    QString Kopfwert;  // kept by the planner; written as "99999999" when empty
    std::int16_t Kopfzahl = 0;
    std::vector<Mitarbeiter> eintraege;

    bool leer() const { return eintraege.empty(); }
};

// Reads Datenpfad's "Mitarbeiterdaten.dat", or ends the program.
Mitarbeiterliste Mitarbeiterdaten_lesen(Dienste& dienste, const QString& Datenpfad);

// Writes a new "Mitarbeiterdaten.dat" into Datenpfad, replacing the old file
// only once every line is written; a failure ends the program. The header
// values come from kopf (its entries are not read); the entries are the
// anzahl ones eintrag(i) makes, one at a time, so tens of thousands of them
// never need a list of their own.
void mitarbeiterdatenSchreiben(Dienste& dienste, const QString& Datenpfad,
                               const Mitarbeiterliste& kopf, std::size_t anzahl,
                               const std::function<Mitarbeiter(std::size_t)>& eintrag);

// The stored line of one entry, before scrambling: the most bytes it can take,
// and the line written to ziel, which has that room; the latter returns its length.
qsizetype mitarbeiterzeileBemessen(const Mitarbeiter& m);
qsizetype mitarbeiterzeileSchreiben(const Mitarbeiter& m, char* ziel);

}  // namespace mi
