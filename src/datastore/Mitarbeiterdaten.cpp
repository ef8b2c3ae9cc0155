#include "datastore/Mitarbeiterdaten.h"

#include "base/Auflistung.h"
#include "base/Zaehler16.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Mitarbeiterdaten.dat");
const QString Kopf = QStringLiteral("[Mitarbeiterdaten]");
const QString KeinKopfwert = QStringLiteral("99999999");

// The employee line's layout: positions counted from 1, as the planner's
// documentation counts them. Everything before the name has a fixed width.
namespace spalte {
constexpr qsizetype VonDatum = 1;
constexpr qsizetype BisDatum = 8;
constexpr qsizetype Datumsbreite = 6;
constexpr qsizetype Urlaub = 15;  // five values, one every Wertabstand
constexpr qsizetype Sonderurlaub = 45;
constexpr qsizetype Wertbreite = 5;
constexpr qsizetype Wertabstand = Wertbreite + 1;
constexpr qsizetype Name = 69;
}  // namespace spalte

// The three values after Sonderurlaub belong to the planner; an import has none.
constexpr char Planerwerte[] = "000,0:000,0:000,0:";

// Characters von to von + laenge - 1, counted from 1; whatever of them exists.
QString ausschneiden(const QString& text, qsizetype von, qsizetype laenge = -1) {
    return text.mid(von - 1, laenge);
}

std::int16_t kopfzahlLesen(const QLocale& gebietsschema, const QString& zeile) {
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
QString layoutAktualisieren(QString zeile) {
    if (ausschneiden(zeile, 18, 1) != u",") {
        zeile = ausschneiden(zeile, 1, 17) + QStringLiteral(",0") + ausschneiden(zeile, 18);
    }
    if (ausschneiden(zeile, 24, 1) != u",") {
        zeile = ausschneiden(zeile, 1, 23) + QStringLiteral(",0") + ausschneiden(zeile, 24, 4) +
                QStringLiteral(",0") + ausschneiden(zeile, 28, 4) + QStringLiteral(",0") +
                ausschneiden(zeile, 32, 4) + QStringLiteral(",0:000,0:000,0:000,0:000,0") +
                ausschneiden(zeile, 36);
    }
    return zeile;
}

Mitarbeiter eintragLesen(const QString& gelesen) {
    Mitarbeiter m;
    if (!gelesen.contains(u':')) {
        m.titel = true;
        m.Name = gelesen;
        return m;
    }
    m.VonDatum = ausschneiden(gelesen, spalte::VonDatum, spalte::Datumsbreite);
    m.BisDatum = ausschneiden(gelesen, spalte::BisDatum, spalte::Datumsbreite);
    const QString zeile = layoutAktualisieren(gelesen);
    for (std::size_t i = 0; i < m.Urlaubswerte.size(); ++i) {
        m.Urlaubswerte[i] =
            ausschneiden(zeile, spalte::Urlaub + static_cast<qsizetype>(i) * spalte::Wertabstand,
                         spalte::Wertbreite);
    }
    m.Sonderurlaub = ausschneiden(zeile, spalte::Sonderurlaub, spalte::Wertbreite);
    const qsizetype doppelpunkt = zeile.indexOf(u':', spalte::Name - 1);
    if (doppelpunkt < 0) {
        // A name field without its end: the planner cannot have written this.
        fehlerAusloesen(fehlernummer::UngueltigerAufruf);
    }
    m.Name = zeile.sliced(spalte::Name - 1, doppelpunkt - (spalte::Name - 1));
    m.Benutzerkennung = zeile.sliced(doppelpunkt + 1);
    return m;
}

}  // namespace

qsizetype mitarbeiterzeileBemessen(const Mitarbeiter& m) {
    qsizetype platz = m.Name.size();
    if (!m.titel) {
        platz += m.VonDatum.size() + m.BisDatum.size() + m.Sonderurlaub.size() +
                 m.Benutzerkennung.size() + 16 + qsizetype{sizeof(Planerwerte)};
        for (const QString& wert : m.Urlaubswerte) {
            platz += wert.size();
        }
    }
    return platz;
}

qsizetype mitarbeiterzeileSchreiben(const Mitarbeiter& m, char* ziel) {
    if (m.titel) {
        return cp1252Schreiben(m.Name, ziel);
    }
    char* aus = ziel;
    const auto feld = [&aus](const QString& wert, char danach) {
        aus += cp1252Schreiben(wert, aus);
        *aus++ = danach;
    };
    feld(m.VonDatum, ':');
    feld(m.BisDatum, ':');
    for (const QString& wert : m.Urlaubswerte) {
        feld(wert, ':');
    }
    feld(m.Sonderurlaub, ':');
    aus = std::copy_n(Planerwerte, sizeof(Planerwerte) - 1, aus);
    feld(m.Name, ':');
    aus += cp1252Schreiben(m.Benutzerkennung, aus);
    return aus - ziel;
}

Mitarbeiterliste Mitarbeiterdaten_lesen(Dienste& dienste, const QString& Datenpfad) try {
    const Texte& t = dienste.texte;
    planerdateiOeffnen(dienste, Datenpfad, Dateiname, t.mitarbeiterNichtGefunden.arg(Datenpfad));
    kopfzeilePruefen(dienste, Kopf, t.mitarbeiterKopf);
    Mitarbeiterliste liste;
    liste.Kopfwert = LineIn(dienste);
    liste.Kopfzahl = kopfzahlLesen(dienste.plattform.gebietsschema(), LineIn(dienste));
    Zaehler16 n;
    while (!dienste.kanal.dateiende()) {
        const QString zeile = LineIn(dienste);
        ++n;
        liste.eintraege.push_back(eintragLesen(zeile));
    }
    Datei_schliessen(dienste);
    return liste;
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Mitarbeiterdaten_lesen"));
}

void mitarbeiterdatenSchreiben(Dienste& dienste, const QString& Datenpfad,
                               const Mitarbeiterliste& kopf, std::size_t anzahl,
                               const std::function<Mitarbeiter(std::size_t)>& eintrag) {
    const QString pfad =
        dateiFinden(dienste.plattform, Datenpfad, Dateiname).value_or(Datenpfad + Dateiname);
    Datei_oeffnen(dienste, pfad, Kanalmodus::Output);
    LineOut(dienste, Kopf);
    LineOut(dienste, kopf.Kopfwert.isEmpty() ? KeinKopfwert : kopf.Kopfwert);
    LineOut(dienste, QString::number(kopf.Kopfzahl));
    // One buffer for every line: an import writes tens of thousands of them.
    QByteArray klartext;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const Mitarbeiter m = eintrag(i);
        const qsizetype platz = mitarbeiterzeileBemessen(m);
        if (platz > klartext.size()) {
            klartext.resize(platz * 2);
        }
        const qsizetype laenge = mitarbeiterzeileSchreiben(m, klartext.data());
        klartextSchreiben(dienste, QByteArrayView(klartext.constData(), laenge));
    }
    Datei_schliessen(dienste);
}

}  // namespace mi
