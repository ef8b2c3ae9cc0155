#include "import/Import.h"

#include "base/Startwerte.h"
#include "base/Zeichensuche.h"
#include "datastore/Backup.h"
#include "datastore/Konfigdaten.h"
#include "datastore/Logbuch.h"
#include "datastore/Mitarbeiterdaten.h"
#include "datastore/Planerordner.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <algorithm>

namespace mi {

namespace {

// Position 30 of the planner's settings line: the step of day values,
// "0" whole days, "1" halves, "2" tenths.
constexpr qsizetype Tagesschritt = 29;

// The employee is written at once, while the rows' Importdatei is there: its
// texts point into it, without a copy of each of tens of thousands of fields.
Mitarbeiter mitarbeiterBilden(const ImportZeile& z) {
    Mitarbeiter m;
    if (z.Benutzerkennung.isEmpty()) {
        m.titel = true;
        m.Name = rohtextBilden(z.Name.mid(1));  // a text row: the ">" marker is not stored
        return m;
    }
    m.Name = rohtextBilden(z.Name);
    m.Benutzerkennung = rohtextBilden(z.Benutzerkennung);
    m.VonDatum = rohtextBilden(z.VonDatum);
    m.BisDatum = rohtextBilden(z.BisDatum);
    m.Urlaubswerte = {rohtextBilden(z.Resturlaub), rohtextBilden(z.Urlaubsanspruch1),
                      rohtextBilden(z.Urlaubsanspruch2), rohtextBilden(z.Urlaubsanspruch3),
                      rohtextBilden(z.Urlaubsanspruch4)};
    m.Sonderurlaub = rohtextBilden(z.Sonderurlaub);
    return m;
}

bool endetMitEinerVon(const ImportZeile& z, QStringView ziffern) {
    for (const QStringView* wert : {&z.Urlaubsanspruch1, &z.Urlaubsanspruch2, &z.Urlaubsanspruch3,
                                    &z.Urlaubsanspruch4, &z.Sonderurlaub}) {
        if (!wert->isEmpty() && ziffern.contains(wert->back())) {
            return true;
        }
    }
    return false;
}

// Whether a row with day values has one of them ending in one of the digits.
bool ziffernBenoetigt(const ImportTabelle& zeilen, QStringView ziffern) {
    return std::any_of(zeilen.begin(), zeilen.end(), [&](const ImportZeile& zeile) {
        // text rows carry no day values
        return !zeile.Urlaubsanspruch1.isEmpty() && endetMitEinerVon(zeile, ziffern);
    });
}

// The settings line with the day-value step the rows need: halves for a
// value ending in 5, tenths for any other digit but 0. The step is only ever
// raised, and a line too short to hold it is left alone.
QString tagesschrittAnheben(const ImportTabelle& zeilen, QString einstellungen) {
    if (einstellungen.size() <= Tagesschritt) {
        return einstellungen;
    }
    QChar& schritt = einstellungen[Tagesschritt];
    if (schritt == u'0' && ziffernBenoetigt(zeilen, u"5")) {
        schritt = u'1';
    }
    if ((schritt == u'0' || schritt == u'1') && ziffernBenoetigt(zeilen, u"12346789")) {
        schritt = u'2';
    }
    return einstellungen;
}

}  // namespace

Importergebnis Mitarbeiterdaten_importieren(Dienste& dienste, const Planerordner& ordner,
                                            const Startwerte& start,
                                            const ImportTabelle& ImportZeilen,
                                            const QString& Einstellungen) try {
    const Texte& t = dienste.texte;
    // The step is settled before anything is written, and written before the
    // employee file, whose day values rely on it.
    const QString einstellungen = tagesschrittAnheben(ImportZeilen, Einstellungen);
    const Mitarbeiterliste alt = Mitarbeiterdaten_lesen(dienste, ordner.Datenpfad);
    if (!alt.leer() && !jaNeinFragen(dienste, t.ueberschreibenHinweis + QStringLiteral("\r\r") +
                                                  t.ueberschreibenFrage)) {
        return Importergebnis{false, Einstellungen};
    }
    if (!Backup_erstellen(dienste, ordner, start.Tagesdatum, QStringLiteral("A"))) {
        Abbruchmeldung(dienste, t.backupFehlgeschlagen);
    }
    if (einstellungen != Einstellungen) {
        Konfigdaten_schreiben(dienste, ordner.Datenpfad, einstellungen);
    }
    mitarbeiterdatenSchreiben(dienste, ordner.Datenpfad, alt, ImportZeilen.size(),
                              [&](std::size_t i) { return mitarbeiterBilden(ImportZeilen[i]); });
    Logbuch_ergaenzen(dienste, ordner.Logpfad, start, 2, t.logtextImport);
    // Said only once every file is written: a failure on the way has ended the
    // program with its own message.
    Meldung(dienste, t.importErfolgreich);
    return Importergebnis{true, einstellungen};
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("frmMitarbeiterImport - Mitarbeiterdaten_importieren"));
}

}  // namespace mi
