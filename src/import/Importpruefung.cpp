#include "import/Importpruefung.h"

#include "base/Datum.h"
#include "import/Importdatei.h"
#include "import/Zahlen.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <array>

namespace mi {

namespace {

constexpr qsizetype Namenslaenge = 40;

// Columns 2 to 10 in the order of the file.
constexpr std::array<QString ImportZeile::*, 9> Folgespalten = {
    &ImportZeile::Benutzerkennung,  &ImportZeile::VonDatum,         &ImportZeile::BisDatum,
    &ImportZeile::Resturlaub,       &ImportZeile::Urlaubsanspruch1, &ImportZeile::Urlaubsanspruch2,
    &ImportZeile::Urlaubsanspruch3, &ImportZeile::Urlaubsanspruch4, &ImportZeile::Sonderurlaub,
};

struct Zahlenfeld {
    QString ImportZeile::*feld;
    QString Texte::*fehlertext;
};

constexpr std::array<Zahlenfeld, 6> Zahlenfelder = {{
    {&ImportZeile::Resturlaub, &Texte::resturlaubKeineZahl},
    {&ImportZeile::Urlaubsanspruch1, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch2, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch3, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch4, &Texte::anspruchKeineZahl},
    {&ImportZeile::Sonderurlaub, &Texte::sonderurlaubKeineZahl},
}};

bool istTextzeile(const ImportZeile& zeile) {
    return zeile.Name.startsWith(u'>');
}

// One run of the check. Every fault the user passes over (Yes, or Yes to All
// once for the rest of the run) marks the run as failed and goes into the list
// of faults; No ends it at once, which every pass reports by returning false.
class Pruefung {
  public:
    Pruefung(Dienste& d, Importdatei& datei)
        : dienste(d),
          t(d.texte),
          format(d.plattform.gebietsschema()),
          zeilen(datei.zeilen),
          sep(datei.trennzeichen) {}

    QString zeilenkopf(qsizetype index, const QString* name) const {
        QString kopf = t.zeilenkopf + QString::number(index);
        if (name != nullptr) {
            kopf += QStringLiteral(", ") + *name;
        }
        return kopf;
    }

    bool frage(qsizetype index, const QString* name, const QString& fehlertext) {
        const QString kopf = zeilenkopf(index, name);
        if (!alleUebergehen) {
            const Antwort antwort =
                Ja_Alle_Nein_Frage(dienste, kopf + QStringLiteral("\r\r") + fehlertext +
                                                QStringLiteral("\r\r") + t.frageFortsetzen);
            if (antwort == Antwort::Nein) {
                return false;
            }
            alleUebergehen = antwort == Antwort::JaAlle;
        }
        uebergangen.append(t.fehlerzeile.arg(kopf, fehlertext));
        return true;
    }

    bool fehler() const { return !uebergangen.isEmpty(); }
    // The faults passed over, one line each, as a box's details.
    QString fehlerliste() const { return uebergangen.join(u'\r'); }

    Dienste& dienste;
    const Texte& t;
    const Gebietsformat format;
    ImportTabelle& zeilen;
    const QChar sep;
    bool alleUebergehen = false;
    QStringList uebergangen;
};

// With ":" as the file's separator only a quoted field can hold one.
bool doppelpunktImFeld(const QString& text) {
    if (!text.contains(u'"')) {
        return false;
    }
    for (Importfelder felder(text, u':'); !felder.ende();) {
        if (felder.naechstes().contains(u':')) {
            return true;
        }
    }
    return false;
}

// Pass 1: the planner's employee file separates its fields with ":" and "|".
// The whole line is searched, so a quoted one is found too; in a file separated
// by ":", the fields are.
bool verboteneZeichenSuchen(Pruefung& p) {
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
        const QString& text = p.zeilen[i].Zeilentext;
        const bool verboten =
            text.contains(u'|') || (p.sep != u':' ? text.contains(u':') : doppelpunktImFeld(text));
        if (verboten &&
            !p.frage(static_cast<qsizetype>(i) + 1, nullptr, p.t.unzulaessigesZeichen)) {
            return false;
        }
    }
    return true;
}

// Splits one row into its fields; false when it has more than ten columns.
// A text row keeps its whole line.
bool spaltenTeilen(ImportZeile& zeile, QChar sep) {
    Importfelder felder(zeile.Zeilentext, sep);
    zeile.Name = felder.naechstes();
    if (istTextzeile(zeile)) {
        return true;
    }
    for (QString ImportZeile::*feld : Folgespalten) {
        if (felder.ende()) {
            break;
        }
        zeile.*feld = felder.naechstes();
    }
    const bool zuViele = !felder.ende();
    zeile.Zeilentext = felder.rest().toString();
    return !zuViele;
}

// Pass 2: the columns, quoted fields read as spreadsheets write them. A row with
// too many columns ends the run without a question, since its fields would all
// be shifted; the faults passed over before it go with the message.
bool spaltenPruefen(Pruefung& p) {
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
        ImportZeile& zeile = p.zeilen[i];
        if (!spaltenTeilen(zeile, p.sep)) {
            Meldung(p.dienste,
                    p.zeilenkopf(static_cast<qsizetype>(i) + 1, &zeile.Name) +
                        QStringLiteral("\r\r") + p.t.spaltenanzahl + QStringLiteral("\r\r") +
                        p.t.spaltenHinweis.arg(p.sep),
                    p.fehlerliste());
            return false;
        }
    }
    return true;
}

bool datumPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index, QString& feld,
                  const QString& fehlertext, const QString& offen) {
    std::optional<QDate> datum;
    if (!feld.isEmpty()) {
        datum = p.format.datum(feld);
        if (!datum) {
            if (!p.frage(index, &zeile.Name, fehlertext.arg(feld))) {
                return false;
            }
            feld.clear();
        }
    }
    feld = datum ? FormatDatumDS(*datum) : offen;
    return true;
}

bool zahlenPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index) {
    for (const Zahlenfeld& z : Zahlenfelder) {
        QString& wert = zeile.*z.feld;
        const std::optional<Tageswert> zahl = wert.isEmpty() ? Tageswert{} : p.format.zahl(wert);
        if (!zahl && !p.frage(index, &zeile.Name, (p.t.*z.fehlertext).arg(wert))) {
            return false;
        }
        // The planner writes day values with a comma; one character for one, so
        // replacing in place is the same as Ersetzen. A value that is no number
        // counts as zero.
        wert = p.format.zahlFormatieren(zahl.value_or(Tageswert{})).replace(u'.', u',');
    }
    return true;
}

bool feldPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index) {
    if (zeile.Name.isEmpty()) {
        if (!p.frage(index, nullptr, p.t.nameLeer)) {
            return false;
        }
        zeile.Name = p.t.ersatzname.arg(index);
    }
    zeile.Name.truncate(Namenslaenge);
    if (istTextzeile(zeile)) {
        return true;
    }
    zeile.Benutzerkennung.truncate(Namenslaenge);
    if (zeile.Benutzerkennung.isEmpty()) {
        zeile.Benutzerkennung = zeile.Name;
    }
    if (!datumPruefen(p, zeile, index, zeile.VonDatum, p.t.vonDatumUngueltig,
                      QStringLiteral("000000")) ||
        !datumPruefen(p, zeile, index, zeile.BisDatum, p.t.bisDatumUngueltig,
                      QStringLiteral("999999"))) {
        return false;
    }
    // The planner keeps dates without century, and so compares them: a start
    // in 1999 comes after an end in 2005.
    if (zeile.VonDatum > zeile.BisDatum && !p.frage(index, &zeile.Name, p.t.vonNachBis)) {
        return false;
    }
    return zahlenPruefen(p, zeile, index);
}

// Pass 3.
bool felderPruefen(Pruefung& p) {
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
        if (!feldPruefen(p, p.zeilen[i], static_cast<qsizetype>(i) + 1)) {
            return false;
        }
    }
    return true;
}

// Pass 4: the later row of a pair is reported, letter case ignored. The names
// seen so far are kept as the "|"-free pieces of their "|name|" entries, which
// finds exactly what a search of the joined entries finds for a name without
// "|"; a name with "|" (already reported as a forbidden character) is searched
// in the joined entries themselves.
bool doppelteSuchen(Pruefung& p) {
    QSet<QString> gesehen;
    gesehen.reserve(static_cast<qsizetype>(p.zeilen.size()));
    QString liste;
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
        const ImportZeile& zeile = p.zeilen[i];
        if (zeile.Benutzerkennung.isEmpty()) {
            continue;
        }
        const QString klein = zeile.Benutzerkennung.toLower();
        const bool mitStrich = klein.contains(u'|');
        const bool doppelt =
            mitStrich ? liste.contains(u'|' + klein + u'|') : gesehen.contains(klein);
        if (doppelt && !p.frage(static_cast<qsizetype>(i) + 1, &zeile.Name,
                                p.t.doppelt.arg(zeile.Benutzerkennung))) {
            return false;
        }
        if (mitStrich) {
            for (const QString& stueck : klein.split(u'|', Qt::SkipEmptyParts)) {
                gesehen.insert(stueck);
            }
        } else {
            gesehen.insert(klein);
        }
        liste.append(u'|').append(klein).append(u'|');
    }
    return true;
}

}  // namespace

Pruefergebnis Importdatei_checken(Dienste& dienste, const QString& Datenpfad,
                                  const QString& Importdateipfad, const QString& Benutzername) {
    return mitFehlerbericht(
        dienste, QStringLiteral("frmMitarbeiterImport - Importdatei_checken"), [&] {
            Pruefergebnis ergebnis;
            ergebnis.konfiguration = Konfigdaten_lesen(dienste, Datenpfad, Benutzername);
            if (ergebnis.konfiguration.Adminstatus != 2) {
                Meldung(dienste, dienste.texte.keinAdministrator);
                return ergebnis;
            }
            auto gelesen = Importdatei_lesen(dienste, Importdateipfad);
            if (!gelesen) {
                return ergebnis;
            }
            ergebnis.datei = std::move(*gelesen);
            Pruefung p(dienste, ergebnis.datei);
            if (!verboteneZeichenSuchen(p) || !spaltenPruefen(p) || !felderPruefen(p) ||
                !doppelteSuchen(p)) {
                return ergebnis;
            }
            if (p.fehler()) {
                Meldung(dienste, dienste.texte.pruefungMitFehlern, p.fehlerliste());
                return ergebnis;
            }
            Meldung(dienste, dienste.texte.pruefungFehlerfrei);
            ergebnis.fehlerfrei = true;
            return ergebnis;
        });
}

}  // namespace mi
