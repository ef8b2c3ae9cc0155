#include "datastore/Mitarbeiterdaten.h"

#include "datastore/Dateikanal.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Ersetzen.h"
#include "startup/Laufzeit.h"
#include "startup/Zaehler16.h"

#include <cmath>
#include <limits>

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Mitarbeiterdaten.dat");

// Characters von to von + laenge - 1, counted from 1; whatever of them exists.
QString mitte(const QString& text, qsizetype von, qsizetype laenge = -1) {
    return text.mid(von - 1, laenge);
}

std::int16_t kopfzahl(const QLocale& gebietsschema, const QString& zeile) {
    bool zahl = false;
    const double wert = gebietsschema.toDouble(zeile.trimmed(), &zahl);
    if (!zahl || std::isnan(wert)) {
        fehlerAusloesen(fehlernummer::Typenkonflikt);
    }
    const double ganz = std::floor(wert);
    if (ganz < std::numeric_limits<std::int16_t>::min() ||
        ganz > std::numeric_limits<std::int16_t>::max()) {
        fehlerAusloesen(fehlernummer::Ueberlauf);
    }
    return static_cast<std::int16_t>(ganz);
}

// The older layout has five three-digit values without decimals and the name
// at position 35; it becomes the current one with ",0" added to each value and
// the four further values "000,0". A current line passes unchanged, since its
// characters 18 and 24 are the first two values' decimal commas.
QString aktuellesLayout(QString zeile) {
    if (mitte(zeile, 18, 1) != u",") {
        zeile = mitte(zeile, 1, 17) + QStringLiteral(",0") + mitte(zeile, 18);
    }
    if (mitte(zeile, 24, 1) != u",") {
        zeile = mitte(zeile, 1, 23) + QStringLiteral(",0") + mitte(zeile, 24, 4) +
                QStringLiteral(",0") + mitte(zeile, 28, 4) + QStringLiteral(",0") +
                mitte(zeile, 32, 4) + QStringLiteral(",0:000,0:000,0:000,0:000,0") +
                mitte(zeile, 36);
    }
    return zeile;
}

void listenVerlaengern(Mitarbeiterdaten& ma, qsizetype laenge) {
    for (QStringList* liste : {&ma.MA_Namen, &ma.MA_Kennungen, &ma.MA_VonDatum, &ma.MA_BisDatum,
                               &ma.MA_Urlaubswerte, &ma.MA_Sonderurlaub}) {
        liste->resize(laenge);
    }
}

void mitarbeiterzeileLesen(Laufzeit& lz, qsizetype i, const QString& gelesen) {
    Mitarbeiterdaten& ma = lz.mitarbeiter;
    const QString dezimal(lz.Dezimalzeichen);
    ma.MA_VonDatum[i] = mitte(gelesen, 1, 6);
    ma.MA_BisDatum[i] = mitte(gelesen, 8, 6);
    const QString zeile = aktuellesLayout(gelesen);
    ma.MA_Urlaubswerte[i] = Ersetzen(mitte(zeile, 15, 29), QStringLiteral(","), dezimal);
    ma.MA_Sonderurlaub[i] = Ersetzen(mitte(zeile, 45, 5), QStringLiteral(","), dezimal);
    const qsizetype doppelpunkt = zeile.indexOf(u':', 68);
    if (doppelpunkt < 0) {
        // A name field without its end: the planner cannot have written this.
        fehlerAusloesen(fehlernummer::UngueltigerAufruf);
    }
    ma.MA_Namen[i] = zeile.sliced(68, doppelpunkt - 68);
    ma.MA_Kennungen[i] = zeile.sliced(doppelpunkt + 1);
}

}  // namespace

void Mitarbeiterdaten_lesen(Laufzeit& lz) {
    mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Mitarbeiterdaten_lesen"), [&] {
        const Texte& t = lz.texte;
        Planerdatei_öffnen(lz, Dateiname, t.mitarbeiterNichtGefunden.arg(lz.Datenpfad));
        Kopfzeile_prüfen(lz, QStringLiteral("[Mitarbeiterdaten]"), t.mitarbeiterKopf);
        Mitarbeiterdaten& ma = lz.mitarbeiter;
        ma.MA_Kopfwert = LineIn(lz);
        ma.MA_Kopfzahl = kopfzahl(lz.plattform.gebietsschema(), LineIn(lz));

        listenVerlaengern(ma, 0);
        listenVerlaengern(ma, 1);
        Zaehler16 n;
        while (!lz.kanal.dateiende()) {
            const QString zeile = LineIn(lz);
            ++n;
            const qsizetype i = n.wert() - 1;
            listenVerlaengern(ma, n.wert());
            if (!zeile.contains(u':')) {
                ma.MA_Namen[i] = zeile;  // a title in the planner's list
                continue;
            }
            mitarbeiterzeileLesen(lz, i, zeile);
        }
        Datei_schließen(lz);
        if (n.wert() == 0) {
            ma.MA_Namen[0] = QStringLiteral("NoNames");
        }
    });
}

}  // namespace mi
