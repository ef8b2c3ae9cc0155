#include "datastore/Logbuch.h"

#include "base/Auflistung.h"
#include "base/Startwerte.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Zeilenverschluesselung.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

namespace mi {

namespace {

// The character the locale puts between hours and minutes; a colon where the
// locale's format has none there (a blank or a quoted word).
QChar zeittrennerErmitteln(const QLocale& gebietsschema) {
    bool inStunde = false;
    for (const QChar c : gebietsschema.timeFormat(QLocale::ShortFormat)) {
        if (c == u'h' || c == u'H') {
            inStunde = true;
        } else if (inStunde) {
            return c.isPunct() && c != u'\'' ? c : QChar(u':');
        }
    }
    return u':';
}

}  // namespace

QString logzeileBilden(const Plattform& plattform, const QString& Benutzername, std::uint8_t Stufe,
                       const QString& Text) {
    const QDateTime jetzt = plattform.jetzt();
    const QString t(zeittrennerErmitteln(plattform.gebietsschema()));
    const QString zeitstempel =
        jetzt.toString(QStringLiteral("dd.MM.yy ")) + jetzt.toString(QStringLiteral("HH")) + t +
        jetzt.toString(QStringLiteral("mm")) + t + jetzt.toString(QStringLiteral("ss"));
    QString zeile = zeitstempel + u'|' + Benutzername + u'|';
    if (Stufe == 2) {
        zeile += QStringLiteral("VelmoAdmin|");
    }
    return zeile + Text;
}

void Logbuch_ergaenzen(Dienste& dienste, const QString& Logpfad, const Startwerte& start,
                       std::uint8_t Stufe, const QString& Text) try {
    if (Logpfad.isEmpty()) {
        return;
    }
    const QString zeile = logzeileBilden(dienste.plattform, start.Benutzername, Stufe, Text);
    const QString name = start.Tagesdatum.left(4) + QStringLiteral(" Velmont.log");
    const QString pfad = dateiFinden(dienste.plattform, Logpfad, name).value_or(Logpfad + name);
    if (!Datei_oeffnen(dienste, pfad, Kanalmodus::Append, Fehlerfolge::Ignorieren)) {
        return;
    }
    try {
        dienste.kanal.zeileSchreiben(speicherformBilden(dienste.plattform, zeile));
        dienste.kanal.schliessen();
    } catch (const Laufzeitfehler&) {
        // The channel has cut the file back already; like a log book that
        // cannot be opened, a line that cannot be written is left out.
        dienste.kanal.verwerfen();
    }
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Logbuch_ergänzen"));
}

}  // namespace mi
