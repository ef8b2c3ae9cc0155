#include "datastore/Logbuch.h"

#include "datastore/Dateikanal.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"

namespace mi {

namespace {

// The character the locale puts between hours and minutes; a colon where the
// locale's format has none there (a blank or a quoted word).
QChar zeittrenner(const QLocale& gebietsschema) {
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

QString logzeile(Laufzeit& lz, std::uint8_t Stufe, const QString& Text) {
    const QDateTime jetzt = lz.plattform.jetzt();
    const QString t(zeittrenner(lz.plattform.gebietsschema()));
    const QString zeitstempel =
        jetzt.toString(QStringLiteral("dd.MM.yy ")) + jetzt.toString(QStringLiteral("HH")) + t +
        jetzt.toString(QStringLiteral("mm")) + t + jetzt.toString(QStringLiteral("ss"));
    QString zeile = zeitstempel + u'|' + lz.Benutzername + u'|';
    if (Stufe == 2) {
        zeile += QStringLiteral("VelmoAdmin|");
    }
    return zeile + Text;
}

void Logbuch_ergänzen(Laufzeit& lz, std::uint8_t Stufe, const QString& Text) {
    mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Logbuch_ergänzen"), [&] {
        if (lz.Logpfad.isEmpty()) {
            return;
        }
        const QString zeile = logzeile(lz, Stufe, Text);
        const QString name = lz.Tagesdatum.left(4) + QStringLiteral(" Velmont.log");
        const QString pfad = Datei_finden(lz.Logpfad, name).value_or(lz.Logpfad + name);
        if (!Datei_öffnen(lz, pfad, QStringLiteral("Append"), QStringLiteral("IgnoreErrors"))) {
            return;
        }
        try {
            lz.kanal.zeileSchreiben(speicherform(lz, zeile));
            lz.kanal.schliessen();
        } catch (const Laufzeitfehler&) {
            // The channel has cut the file back already; like a log book that
            // cannot be opened, a line that cannot be written is left out.
            lz.kanal.verwerfen();
        }
    });
}

}  // namespace mi
