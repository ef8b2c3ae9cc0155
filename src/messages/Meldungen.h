#pragma once

#include "base/Dialoge.h"
#include "base/Fehler.h"

#include <QString>
#include <cstdint>

namespace mi {

struct Dienste;
struct Texte;

// Beep, then a modal warning box with one OK button, and its details if any.
void Meldung(Dienste& dienste, const QString& text, const QString& details = {});

// A modal Yes/No question with No as the default and no beep; true for Yes.
bool jaNeinFragen(Dienste& dienste, const QString& text);

// The same with "Yes to All" between Yes and No: Ja, JaAlle or Nein.
Antwort jaAlleNeinFragen(Dienste& dienste, const QString& text);

// Closes the channel, shows text & "." & CR CR & the closing line, ends the program.
[[noreturn]] void Abbruchmeldung(Dienste& dienste, const QString& text);

// Closes the channel, shows the error report for ort, ends the program.
[[noreturn]] void Fehlerbericht(Dienste& dienste, const QString& ort, const Laufzeitfehler& fehler,
                                Programmende::Grund grund = Programmende::Grund::Fehlerbericht);

// One trailing separator removed, then quoted as the language quotes paths.
QString Pfad_zitieren(const Texte& t, const QString& pfad);

QString abbruchtextBilden(const Texte& t, const QString& text);
QString fehlerberichtstextBilden(const Texte& t, const QString& ort, std::int32_t nummer,
                                 const QString& beschreibung);

// A procedure's one error handler, called from its catch (...) and nowhere
// else, since it looks at the exception being handled by throwing it again.
// An ending of the program passes on untouched. An error the program raised
// on purpose is reported with the location it carries, else with ort, and
// keeps its number; a standard exception is reported with ort too, but
// marked, so that tests and fuzzing can tell a designed report from a defect.
// Either report ends the program.
//
// A procedure puts its whole body in a function-try-block, so the body reads
// at the first indentation and nothing of it escapes the handler:
//
//     Konfiguration Konfigdaten_lesen(Dienste& dienste, ...) try {
//         ...
//     } catch (...) {
//         fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Konfigdaten_lesen"));
//     }
//
// A guard object could not do this: its destructor runs while the error is on
// its way up and can neither show the report nor put the program's ending in
// the error's place.
[[noreturn]] void fehlerBehandeln(Dienste& dienste, const QString& ort);

}  // namespace mi
