#include "import/Importpruefung.h"

#include "base/Datum.h"
#include "base/Zeichensuche.h"
#include "import/Importdatei.h"
#include "import/Zahlen.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

namespace mi {

namespace {

constexpr qsizetype Namenslaenge = 40;
constexpr qsizetype Datumslaenge = 6;
// Two dates and six day values a row.
constexpr qsizetype WerteJeZeile = 2 * Datumslaenge + 6 * Gebietsformat::Tageswertlaenge;

const QString OffenerAnfang = QStringLiteral("000000");
const QString OffenesEnde = QStringLiteral("999999");

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
          sep(datei.trennzeichen),
          // The planner writes day values with a comma.
          dezimal(format.dezimalzeichen() == u'.' ? QChar(u',') : format.dezimalzeichen()) {
        // Room for every checked date and day value, made once: the rows point
        // into it, so it never grows.
        datei.werte =
            QString(static_cast<qsizetype>(zeilen.size()) * WerteJeZeile, Qt::Uninitialized);
        frei = datei.werte.data();
        QChar zeichen[Gebietsformat::Tageswertlaenge];
        Gebietsformat::zahlFormatierenIn(Tageswert{}, dezimal, zeichen);
        null = QString(zeichen, Gebietsformat::Tageswertlaenge);
    }

    // The next n characters of the checked values, for one field.
    QChar* platz(qsizetype n) {
        QChar* hier = frei;
        frei += n;
        return hier;
    }

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
    const QChar dezimal;
    QString null;  // the zero day value, which every empty column becomes
    QChar* frei = nullptr;
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
        // Nearly every line has neither; one search tells.
        if (findeEines(text, 0, u'|', u':') < 0) {
            continue;
        }
        const bool verboten =
            text.contains(u'|') || (p.sep != u':' ? text.contains(u':') : doppelpunktImFeld(text));
        if (verboten &&
            !p.frage(static_cast<qsizetype>(i) + 1, nullptr, p.t.unzulaessigesZeichen)) {
            return false;
        }
    }
    return true;
}

constexpr int Spalten = 10;

// A line without a quote, as nearly every one is: its fields are the pieces
// between the separators, found in one search. Nothing for a line with a quote.
std::optional<bool> ohneAnfuehrungTeilen(ImportZeile& zeile, QChar sep) {
    const QString& text = zeile.Zeilentext;
    qsizetype stellen[Spalten + 1];
    const int gefunden = stellenSuchen(text, sep.unicode(), u'"', stellen, Spalten + 1);
    for (int i = 0; i < gefunden; ++i) {
        if (text[stellen[i]] == u'"') {
            return std::nullopt;
        }
    }
    // The line's end counts as one more separator.
    const auto feld = [&](int k) {
        const qsizetype anfang = k == 0 ? 0 : stellen[k - 1] + 1;
        const qsizetype ende = k < gefunden ? stellen[k] : text.size();
        return QString::fromRawData(text.constData() + anfang, ende - anfang);
    };
    zeile.Name = feld(0);
    if (istTextzeile(zeile)) {
        return true;
    }
    for (int k = 1; k <= std::min(gefunden, Spalten - 1); ++k) {
        zeile.*Folgespalten[static_cast<std::size_t>(k - 1)] = feld(k);
    }
    return gefunden < Spalten;
}

// Splits one row into its fields; false when it has more than ten columns.
// A text row keeps its whole line.
bool spaltenTeilen(ImportZeile& zeile, QChar sep) {
    if (const auto passt = ohneAnfuehrungTeilen(zeile, sep)) {
        return *passt;
    }
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
    return felder.ende();
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
    std::optional<Kalendertag> datum;
    if (!feld.isEmpty()) {
        datum = p.format.kalendertag(feld);
        if (!datum) {
            if (!p.frage(index, &zeile.Name, fehlertext.arg(feld))) {
                return false;
            }
            feld.clear();
        }
    }
    if (!datum) {
        feld = offen;
        return true;
    }
    QChar* ziel = p.platz(Datumslaenge);
    FormatDatumDSIn(*datum, ziel);
    feld = QString::fromRawData(ziel, Datumslaenge);
    return true;
}

bool zahlenPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index) {
    for (const Zahlenfeld& z : Zahlenfelder) {
        QString& wert = zeile.*z.feld;
        if (wert.isEmpty()) {
            wert = p.null;  // many a column is left empty
            continue;
        }
        const std::optional<Tageswert> zahl = p.format.zahl(wert);
        if (!zahl && !p.frage(index, &zeile.Name, (p.t.*z.fehlertext).arg(wert))) {
            return false;
        }
        // A value that is no number counts as zero.
        QChar* ziel = p.platz(Gebietsformat::Tageswertlaenge);
        Gebietsformat::zahlFormatierenIn(zahl.value_or(Tageswert{}), p.dezimal, ziel);
        wert = QString::fromRawData(ziel, Gebietsformat::Tageswertlaenge);
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
    if (!datumPruefen(p, zeile, index, zeile.VonDatum, p.t.vonDatumUngueltig, OffenerAnfang) ||
        !datumPruefen(p, zeile, index, zeile.BisDatum, p.t.bisDatumUngueltig, OffenesEnde)) {
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

// The user names seen so far, compared as their lower case forms compare. A
// name of plain ASCII (nearly every one) goes in as it is and is lowered
// character by character as it is hashed and compared; any other goes in
// lowered. Either way two names meet exactly when their lower case forms are
// equal, without a lowered copy of each of tens of thousands of names.
class Kennungen {
  public:
    explicit Kennungen(std::size_t anzahl) : faecher_(std::bit_ceil(2 * anzahl + 2), -1) {
        eintraege_.reserve(anzahl);
    }

    // Adds the name; true when it was there already.
    bool einfuegen(const QString& kennung) {
        std::size_t h = 0;
        QString s = ascii(kennung, h) ? kennung : kennung.toLower();
        if (s.constData() != kennung.constData()) {
            h = streuwert(s);
        }
        const auto [fach, gefunden] = suchen(s, h);
        if (!gefunden) {
            faecher_[fach] = static_cast<std::int32_t>(eintraege_.size());
            eintraege_.push_back(std::move(s));
        }
        return gefunden;
    }

  private:
    // Whether the text is plain ASCII, its hash computed on the way.
    static bool ascii(QStringView text, std::size_t& h) {
        const char16_t* zeichen = text.utf16();
        char16_t alle = 0;
        h = Anfangswert;
        for (qsizetype i = 0; i < text.size(); ++i) {
            alle |= zeichen[i];
            h = (h ^ klein(zeichen[i])) * Faktor;
        }
        return alle < 0x80;
    }
    static char16_t klein(char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }
    static constexpr std::size_t Anfangswert = 14695981039346656037ULL;
    static constexpr std::size_t Faktor = 1099511628211ULL;
    static std::size_t streuwert(QStringView text) {
        std::size_t h = Anfangswert;
        for (const QChar c : text) {
            h = (h ^ klein(c.unicode())) * Faktor;
        }
        return h;
    }
    static bool gleich(QStringView a, QStringView b) {
        if (a.size() != b.size()) {
            return false;
        }
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (klein(a[i].unicode()) != klein(b[i].unicode())) {
                return false;
            }
        }
        return true;
    }
    // The slot of s (hashed to h), or the free slot where it belongs.
    std::pair<std::size_t, bool> suchen(QStringView s, std::size_t h) const {
        const std::size_t maske = faecher_.size() - 1;
        for (std::size_t fach = h & maske;; fach = (fach + 1) & maske) {
            const std::int32_t eintrag = faecher_[fach];
            if (eintrag < 0) {
                return {fach, false};
            }
            if (gleich(eintraege_[static_cast<std::size_t>(eintrag)], s)) {
                return {fach, true};
            }
        }
    }

    std::vector<QString> eintraege_;
    std::vector<std::int32_t> faecher_;  // an index into eintraege_, or -1
};

// Pass 4: the later row of a pair is reported, letter case ignored. The names
// seen so far are kept as the "|"-free pieces of their "|name|" entries, which
// finds exactly what a search of the joined entries finds for a name without
// "|"; a name with "|" (already reported as a forbidden character) is searched
// in the joined entries themselves, which are made only once one is needed.
bool doppelteSuchen(Pruefung& p) {
    Kennungen gesehen(p.zeilen.size());
    std::optional<QString> liste;
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
        const ImportZeile& zeile = p.zeilen[i];
        if (zeile.Benutzerkennung.isEmpty()) {
            continue;
        }
        const bool mitStrich = findeEines(zeile.Benutzerkennung, 0, u'|', u'|') >= 0;
        if (mitStrich && !liste) {
            liste.emplace();
            for (std::size_t j = 0; j < i; ++j) {
                if (!p.zeilen[j].Benutzerkennung.isEmpty()) {
                    liste->append(u'|').append(p.zeilen[j].Benutzerkennung.toLower()).append(u'|');
                }
            }
        }
        const QString klein = mitStrich || liste ? zeile.Benutzerkennung.toLower() : QString();
        // A name goes in before its question is answered: after No nothing
        // more is looked up, after Yes it belongs in as it does anyway.
        bool doppelt = false;
        if (mitStrich) {
            doppelt = liste->contains(u'|' + klein + u'|');
            for (const QString& stueck : klein.split(u'|', Qt::SkipEmptyParts)) {
                gesehen.einfuegen(stueck);
            }
        } else {
            doppelt = gesehen.einfuegen(zeile.Benutzerkennung);
        }
        if (doppelt && !p.frage(static_cast<qsizetype>(i) + 1, &zeile.Name,
                                p.t.doppelt.arg(zeile.Benutzerkennung))) {
            return false;
        }
        if (liste) {
            liste->append(u'|').append(klein).append(u'|');
        }
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
