#include "messages/Meldungen.h"

#include "base/Pfade.h"
#include "messages/Dienste.h"

namespace mi {

void Meldung(Dienste& dienste, const QString& text) {
    dienste.plattform.signalton();
    dienste.dialoge.zeigen(
        Meldungsbox{dienste.texte.programmtitel, text, Symbol::Warnung, Knoepfe::OK, Antwort::OK});
}

bool Ja_Nein_Frage(Dienste& dienste, const QString& text) {
    return dienste.dialoge.zeigen(Meldungsbox{dienste.texte.programmtitel, text, Symbol::Frage,
                                              Knoepfe::JaNein, Antwort::Nein}) == Antwort::Ja;
}

QString abbruchText(const Texte& t, const QString& text) {
    return text + QStringLiteral(".\r\r") + t.schlusszeile;
}

void Abbruchmeldung(Dienste& dienste, const QString& text) {
    dienste.kanal.verwerfen();
    Meldung(dienste, abbruchText(dienste.texte, text));
    throw Programmende{Programmende::Grund::Abbruchmeldung};
}

QString fehlerberichtText(const Texte& t, const QString& ort, std::int32_t nummer,
                          const QString& beschreibung) {
    return t.fehlerbericht.arg(ort, QString::number(nummer), beschreibung);
}

void Fehlerbericht(Dienste& dienste, const QString& ort, const Laufzeitfehler& fehler,
                   Programmende::Grund grund) {
    dienste.kanal.verwerfen();
    Meldung(dienste, fehlerberichtText(dienste.texte, ort, fehler.nummer, fehler.beschreibung));
    throw Programmende{grund};
}

QString Pfad_zitieren(const Texte& t, const QString& pfad) {
    QString ohne = pfad;
    if (ohne.endsWith(Trenner)) {
        ohne.chop(1);
    }
    return t.zitatAnfang + ohne + t.zitatEnde;
}

}  // namespace mi
