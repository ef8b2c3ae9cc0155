#include "import/Import.h"

#include "base/Startwerte.h"
#include "base/Zeichensuche.h"
#include "datastore/Backup.h"
#include "datastore/Konfigdaten.h"
#include "datastore/Logbuch.h"
#include "datastore/Mitarbeiterdaten.h"
#include "datastore/Planerordner.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

namespace mi {

namespace {

// Position 30 of the planner's settings line: the step of day values,
// "0" whole days, "1" halves, "2" tenths.
constexpr qsizetype Tagesschritt = 29;

// The employee is written at once, while the rows' Importdatei is there: its
// texts point into it, without a copy of each of tens of thousands of fields.
Mitarbeiter alsMitarbeiter(const ImportZeile& z) {
    Mitarbeiter m;
    if (z.Benutzerkennung.isEmpty()) {
        m.titel = true;
        m.name = rohtext(z.Name.mid(1));  // a text row: the ">" marker is not stored
        return m;
    }
    m.name = rohtext(z.Name);
    m.kennung = rohtext(z.Benutzerkennung);
    m.vonDatum = rohtext(z.VonDatum);
    m.bisDatum = rohtext(z.BisDatum);
    m.urlaub = {rohtext(z.Resturlaub), rohtext(z.Urlaubsanspruch1), rohtext(z.Urlaubsanspruch2),
                rohtext(z.Urlaubsanspruch3), rohtext(z.Urlaubsanspruch4)};
    m.sonderurlaub = rohtext(z.Sonderurlaub);
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

// Raises the planner's day-value step to neu when a day value needs it; the
// step is only ever raised, never lowered.
void tagesschrittAnheben(Dienste& dienste, const QString& Datenpfad, const ImportTabelle& zeilen,
                         QString& einstellungen, QStringView vorher, QChar neu,
                         QStringView ziffern) {
    if (einstellungen.size() <= Tagesschritt || !vorher.contains(einstellungen.at(Tagesschritt))) {
        return;
    }
    for (const ImportZeile& zeile : zeilen) {
        if (zeile.Urlaubsanspruch1.isEmpty()) {
            continue;  // text rows carry no day values
        }
        if (endetMitEinerVon(zeile, ziffern)) {
            einstellungen[Tagesschritt] = neu;
            Konfigdaten_schreiben(dienste, Datenpfad, einstellungen);
            return;
        }
    }
}

}  // namespace

Importergebnis Mitarbeiterdaten_importieren(Dienste& dienste, const Planerordner& ordner,
                                            const Startwerte& start,
                                            const ImportTabelle& ImportZeilen,
                                            const QString& Einstellungen) {
    return mitFehlerbericht(
        dienste, QStringLiteral("frmMitarbeiterImport - Mitarbeiterdaten_importieren"), [&] {
            const Texte& t = dienste.texte;
            Importergebnis ergebnis{false, Einstellungen};
            const Mitarbeiterliste alt = Mitarbeiterdaten_lesen(dienste, ordner.Datenpfad);
            if (!alt.leer() &&
                !Ja_Nein_Frage(dienste, t.ueberschreibenHinweis + QStringLiteral("\r\r") +
                                            t.ueberschreibenFrage)) {
                return ergebnis;
            }
            if (!Backup_erstellen(dienste, ordner, start.Tagesdatum, QStringLiteral("A"))) {
                Abbruchmeldung(dienste, t.backupFehlgeschlagen);
            }
            Mitarbeiterdaten_schreiben(
                dienste, ordner.Datenpfad, alt, ImportZeilen.size(),
                [&](std::size_t i) { return alsMitarbeiter(ImportZeilen[i]); });
            Meldung(dienste, t.importErfolgreich);
            Logbuch_ergaenzen(dienste, ordner.Logpfad, start, 2, t.logtextImport);
            ergebnis.importiert = true;
            tagesschrittAnheben(dienste, ordner.Datenpfad, ImportZeilen, ergebnis.Einstellungen,
                                u"0", u'1', u"5");
            tagesschrittAnheben(dienste, ordner.Datenpfad, ImportZeilen, ergebnis.Einstellungen,
                                u"01", u'2', u"12346789");
            return ergebnis;
        });
}

}  // namespace mi
