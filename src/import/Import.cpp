#include "import/Import.h"

#include "datastore/Backup.h"
#include "datastore/Dateikanal.h"
#include "datastore/Konfigdaten.h"
#include "datastore/Logbuch.h"
#include "datastore/Mitarbeiterdaten.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "wizard/Schrittzustaende.h"

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Mitarbeiterdaten.dat");

// Position 30 of the planner's settings line: the step of day values,
// "0" whole days, "1" halves, "2" tenths.
constexpr qsizetype Tagesschritt = 29;

QString planerzeile(const ImportZeile& z) {
    if (z.Benutzerkennung.isEmpty()) {
        return z.Name.mid(1);  // a text row: the ">" marker is not stored
    }
    // Appended into one buffer: a chain of "+" would copy the growing line
    // once for every field, tens of thousands of times.
    QString zeile;
    zeile.reserve(88);
    for (const QString* feld :
         {&z.VonDatum, &z.BisDatum, &z.Resturlaub, &z.Urlaubsanspruch1, &z.Urlaubsanspruch2,
          &z.Urlaubsanspruch3, &z.Urlaubsanspruch4, &z.Sonderurlaub}) {
        zeile.append(*feld).append(u':');
    }
    return zeile.append(QStringLiteral("000,0:000,0:000,0:"))
        .append(z.Name)
        .append(u':')
        .append(z.Benutzerkennung);
}

void mitarbeiterdateiSchreiben(Laufzeit& lz) {
    const QString pfad = Datei_finden(lz.Datenpfad, Dateiname).value_or(lz.Datenpfad + Dateiname);
    Datei_öffnen(lz, pfad, QStringLiteral("Output"), QString());
    LineOut(lz, QStringLiteral("[Mitarbeiterdaten]"));
    const QString& kopfwert = lz.mitarbeiter.MA_Kopfwert;
    LineOut(lz, kopfwert.isEmpty() ? QStringLiteral("99999999") : kopfwert);
    LineOut(lz, QString::number(lz.mitarbeiter.MA_Kopfzahl));
    for (const ImportZeile& zeile : lz.ImportZeilen) {
        LineOut(lz, planerzeile(zeile));
    }
    Datei_schließen(lz);
}

bool endetMitEinerVon(const ImportZeile& z, QStringView ziffern) {
    for (const QString* wert : {&z.Urlaubsanspruch1, &z.Urlaubsanspruch2, &z.Urlaubsanspruch3,
                                &z.Urlaubsanspruch4, &z.Sonderurlaub}) {
        if (!wert->isEmpty() && ziffern.contains(wert->back())) {
            return true;
        }
    }
    return false;
}

// Raises the planner's day-value step to neu when a day value needs it; the
// step is only ever raised, never lowered.
void tagesschrittAnheben(Laufzeit& lz, QStringView vorher, QChar neu, QStringView ziffern) {
    if (lz.Einstellungen.size() <= Tagesschritt ||
        !vorher.contains(lz.Einstellungen.at(Tagesschritt))) {
        return;
    }
    for (const ImportZeile& zeile : lz.ImportZeilen) {
        if (zeile.Urlaubsanspruch1.isEmpty()) {
            continue;  // text rows carry no day values
        }
        if (endetMitEinerVon(zeile, ziffern)) {
            lz.Einstellungen[Tagesschritt] = neu;
            Konfigdaten_schreiben(lz);
            return;
        }
    }
}

}  // namespace

void Mitarbeiterdaten_importieren(Laufzeit& lz, Schrittzustaende& zustaende) {
    mitFehlerbericht(
        lz, QStringLiteral("frmMitarbeiterImport - Mitarbeiterdaten_importieren"), [&] {
            const Texte& t = lz.texte;
            Mitarbeiterdaten_lesen(lz);
            if (lz.mitarbeiter.MA_Namen.value(0) != u"NoNames" &&
                !Ja_Nein_Frage(
                    lz, t.ueberschreibenHinweis + QStringLiteral("\r\r") + t.ueberschreibenFrage)) {
                return;
            }
            if (!Backup_erstellen(lz, QStringLiteral("A"))) {
                Abbruchmeldung(lz, t.backupFehlgeschlagen);
            }
            mitarbeiterdateiSchreiben(lz);
            Meldung(lz, t.importErfolgreich);
            Logbuch_ergänzen(lz, 2, t.logtextImport);
            zustaende.Schritt_abschliessen(4);
            tagesschrittAnheben(lz, u"0", u'1', u"5");
            tagesschrittAnheben(lz, u"01", u'2', u"12346789");
        });
}

}  // namespace mi
