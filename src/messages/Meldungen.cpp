#include "messages/Meldungen.h"

#include "base/Pfade.h"
#include "services/Dienste.h"

#include <exception>
#include <new>

namespace mi {

void Meldung(Dienste& dienste, const QString& text, const QString& details) {
    dienste.plattform.signaltonGeben();
    dienste.dialoge.zeigen(Meldungsbox{dienste.texte.programmtitel, text, Symbol::Warnung,
                                       Boxknoepfe::OK, Antwort::OK, details});
}

namespace {

// A question box: no beep, No the default.
Antwort fragen(Dienste& dienste, const QString& text, Boxknoepfe knoepfe) {
    return dienste.dialoge.zeigen(
        Meldungsbox{dienste.texte.programmtitel, text, Symbol::Frage, knoepfe, Antwort::Nein, {}});
}

}  // namespace

bool jaNeinFragen(Dienste& dienste, const QString& text) {
    return fragen(dienste, text, Boxknoepfe::JaNein) == Antwort::Ja;
}

Antwort jaAlleNeinFragen(Dienste& dienste, const QString& text) {
    const Antwort antwort = fragen(dienste, text, Boxknoepfe::JaAlleNein);
    return antwort == Antwort::Ja || antwort == Antwort::JaAlle ? antwort : Antwort::Nein;
}

QString abbruchtextBilden(const Texte& t, const QString& text) {
    return text + QStringLiteral(".\r\r") + t.schlusszeile;
}

void Abbruchmeldung(Dienste& dienste, const QString& text) {
    dienste.kanal.verwerfen();
    Meldung(dienste, abbruchtextBilden(dienste.texte, text));
    throw Programmende{Programmende::Grund::Abbruchmeldung};
}

QString fehlerberichtstextBilden(const Texte& t, const QString& ort, std::int32_t nummer,
                                 const QString& beschreibung) {
    return t.fehlerberichtstext.arg(ort, QString::number(nummer), beschreibung);
}

void Fehlerbericht(Dienste& dienste, const QString& ort, const Laufzeitfehler& fehler,
                   Programmende::Grund grund) {
    dienste.kanal.verwerfen();
    Meldung(dienste,
            fehlerberichtstextBilden(dienste.texte, ort, fehler.nummer, fehler.beschreibung));
    throw Programmende{grund};
}

void fehlerBehandeln(Dienste& dienste, const QString& ort) {
    try {
        throw;
    } catch (const Programmende&) {
        throw;
    } catch (const Laufzeitfehler& fehler) {
        Fehlerbericht(dienste, fehler.ort.isEmpty() ? ort : fehler.ort, fehler);
    } catch (const std::bad_alloc&) {
        Fehlerbericht(dienste, ort,
                      Laufzeitfehler(fehlernummer::KeinSpeicher,
                                     fehlerBeschreiben(fehlernummer::KeinSpeicher)),
                      Programmende::Grund::Standardausnahme);
    } catch (const std::exception&) {
        Fehlerbericht(dienste, ort,
                      Laufzeitfehler(fehlernummer::InternerFehler,
                                     fehlerBeschreiben(fehlernummer::InternerFehler)),
                      Programmende::Grund::Standardausnahme);
    }
}

QString Pfad_zitieren(const Texte& t, const QString& pfad) {
    QString ohne = pfad;
    if (ohne.endsWith(Trenner)) {
        ohne.chop(1);
    }
    return t.zitatAnfang + ohne + t.zitatEnde;
}

}  // namespace mi
