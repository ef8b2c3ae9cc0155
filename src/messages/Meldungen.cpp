#include "messages/Meldungen.h"

#include "startup/Laufzeit.h"
#include "startup/Pfade.h"

namespace mi {

void Meldung(Laufzeit& lz, const QString& text) {
    lz.plattform.signalton();
    lz.dialoge.zeigen(
        Meldungsbox{lz.Programmtitel, text, Symbol::Warnung, Knoepfe::OK, Antwort::OK});
}

bool Ja_Nein_Frage(Laufzeit& lz, const QString& text) {
    return lz.dialoge.zeigen(Meldungsbox{lz.Programmtitel, text, Symbol::Frage, Knoepfe::JaNein,
                                         Antwort::Nein}) == Antwort::Ja;
}

QString abbruchText(const Texte& t, const QString& text) {
    return text + QStringLiteral(".\r\r") + t.schlusszeile;
}

void Abbruchmeldung(Laufzeit& lz, const QString& text) {
    lz.kanal.verwerfen();
    Meldung(lz, abbruchText(lz.texte, text));
    throw Programmende{Programmende::Grund::Abbruchmeldung};
}

QString fehlerberichtText(const Texte& t, const QString& ort, std::int32_t nummer,
                          const QString& beschreibung) {
    return t.fehlerbericht.arg(ort, QString::number(nummer), beschreibung);
}

void Fehlerbericht(Laufzeit& lz, const QString& ort, const Laufzeitfehler& fehler,
                   Programmende::Grund grund) {
    lz.kanal.verwerfen();
    Meldung(lz, fehlerberichtText(lz.texte, ort, fehler.nummer, fehler.beschreibung));
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
