#pragma once

#include "base/Fehler.h"
#include "messages/Dialoge.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <new>

namespace mi {

struct Dienste;
struct Texte;

// Beep, then a modal warning box with one OK button, and its details if any.
void Meldung(Dienste& dienste, const QString& text, const QString& details = {});

// A modal Yes/No question with No as the default and no beep; true for Yes.
bool Ja_Nein_Frage(Dienste& dienste, const QString& text);

// The same with "Yes to All" between Yes and No: Ja, JaAlle or Nein.
Antwort Ja_Alle_Nein_Frage(Dienste& dienste, const QString& text);

// Closes the channel, shows text & "." & CR CR & the closing line, ends the program.
[[noreturn]] void Abbruchmeldung(Dienste& dienste, const QString& text);

// Closes the channel, shows the error report for ort, ends the program.
[[noreturn]] void Fehlerbericht(Dienste& dienste, const QString& ort, const Laufzeitfehler& fehler,
                                Programmende::Grund grund = Programmende::Grund::Fehlerbericht);

// One trailing separator removed, then quoted as the language quotes paths.
QString Pfad_zitieren(const Texte& t, const QString& pfad);

QString abbruchText(const Texte& t, const QString& text);
QString fehlerberichtText(const Texte& t, const QString& ort, std::int32_t nummer,
                          const QString& beschreibung);

// A procedure's one error handler: an unexpected error anywhere in rumpf is
// reported with ort (or the location the error carries) and ends the program. Errors the program
// raised on purpose keep their number; a standard exception is reported too, but marked, so that
// tests and fuzzing can tell a designed report from a defect.
template <typename Rumpf>
auto mitFehlerbericht(Dienste& dienste, const QString& ort, Rumpf&& rumpf) -> decltype(rumpf()) {
    try {
        return rumpf();
    } catch (const Programmende&) {
        throw;
    } catch (const Laufzeitfehler& fehler) {
        Fehlerbericht(dienste, fehler.ort.isEmpty() ? ort : fehler.ort, fehler);
    } catch (const std::bad_alloc&) {
        Fehlerbericht(dienste, ort,
                      Laufzeitfehler(fehlernummer::KeinSpeicher,
                                     fehlerbeschreibung(fehlernummer::KeinSpeicher)),
                      Programmende::Grund::Standardausnahme);
    } catch (const std::exception&) {
        Fehlerbericht(dienste, ort,
                      Laufzeitfehler(fehlernummer::InternerFehler,
                                     fehlerbeschreibung(fehlernummer::InternerFehler)),
                      Programmende::Grund::Standardausnahme);
    }
}

}  // namespace mi
