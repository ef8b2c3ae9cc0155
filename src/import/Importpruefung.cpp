#include "import/Importpruefung.h"

#include "base/Datum.h"
#include "base/Zeichensuche.h"
#include "datastore/Windows1252.h"
#include "import/Gebietsformat.h"
#include "import/Importdatei.h"
#include "import/Kennungen.h"
#include "import/Schnellwege.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace mi {

namespace {

constexpr qsizetype Namenslaenge = 40;
constexpr qsizetype Datumslaenge = 6;

constexpr char16_t OffenerAnfang[Datumslaenge] = {u'0', u'0', u'0', u'0', u'0', u'0'};
constexpr char16_t OffenesEnde[Datumslaenge] = {u'9', u'9', u'9', u'9', u'9', u'9'};

constexpr int Spalten = 10;

// The columns in the order of the file.
constexpr std::array<QStringView ImportZeile::*, Spalten> AlleSpalten = {
    &ImportZeile::Name,
    &ImportZeile::Benutzerkennung,
    &ImportZeile::VonDatum,
    &ImportZeile::BisDatum,
    &ImportZeile::Resturlaub,
    &ImportZeile::Urlaubsanspruch1,
    &ImportZeile::Urlaubsanspruch2,
    &ImportZeile::Urlaubsanspruch3,
    &ImportZeile::Urlaubsanspruch4,
    &ImportZeile::Sonderurlaub,
};

struct Zahlenfeld {
    QStringView ImportZeile::*feld;
    QString Texte::*fehlertext;
};

constexpr std::array<Zahlenfeld, 6> Zahlenspalten = {{
    {&ImportZeile::Resturlaub, &Texte::resturlaubKeineZahl},
    {&ImportZeile::Urlaubsanspruch1, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch2, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch3, &Texte::anspruchKeineZahl},
    {&ImportZeile::Urlaubsanspruch4, &Texte::anspruchKeineZahl},
    {&ImportZeile::Sonderurlaub, &Texte::sonderurlaubKeineZahl},
}};

bool istTextzeile(const ImportZeile& zeile) {
    return !zeile.Name.isEmpty() && zeile.Name.front() == u'>';
}

// Two checked dates, six characters each, as text compares them.
bool spaeter(QStringView a, QStringView b) {
    for (qsizetype i = 0; i < Datumslaenge; ++i) {
        if (a[i] != b[i]) {
            return a[i] > b[i];
        }
    }
    return false;
}

// A text of the check's own, kept for the rows to point into. Moving a
// QString keeps its characters where they are, so the vector may grow.
QStringView behalten(std::vector<QString>& eigene, QString text) {
    eigene.push_back(std::move(text));
    return eigene.back();
}

// The four passes of the check: the forbidden characters, the columns, the
// fields, the duplicates. Each row goes through all of them while it is at hand;
// its faults are noted per pass and asked afterwards, pass by pass in row order,
// just as if each pass ran over every row in turn. A fault is found the same
// way whatever was answered before it: Yes changes the row as finding it does,
// and No only ends the run.
enum class Durchgang { Zeichen, Felder, Doppelte };

class Pruefung {
  public:
    Pruefung(Dienste& d, Importdatei& datei)
        : dienste(d),
          t(d.texte),
          format(d.plattform.gebietsschema()),
          zeilentexte(datei.zeilentexte),
          umbrueche(datei.umbrueche),
          zeilen(datei.ImportZeilen),
          eigene(datei.eigene),
          sep(datei.Importtrennzeichen),
          // The planner writes day values with a comma.
          dezimal(format.dezimalzeichen() == u'.' ? QChar(u',') : format.dezimalzeichen()) {
        // Room for every checked date and every distinct day value, made
        // once: the rows point into it, so it never grows. A row has two dates
        // and six day values; the zero that every empty column becomes comes
        // first.
        const auto anzahl = static_cast<qsizetype>(zeilentexte.size());
        const qsizetype formen =
            std::min(static_cast<qsizetype>(Gebietsformat::Tageswertformen), 6 * anzahl + 1);
        datei.werte = QString(anzahl * 2 * Datumslaenge + formen * Gebietsformat::Tageswertlaenge,
                              Qt::Uninitialized);
        frei = datei.werte.data();
        ende = frei + datei.werte.size();
        null = tageswertAblegen(Tageswert{});
        zeilen.clear();
        zeilen.reserve(zeilentexte.size());
    }

    // The next n characters of the checked values, for one field. The room was
    // counted above: going past it is a fault of that count, never of a file,
    // so a debug build (CI's sanitizer build) checks it and a release pays nothing.
    QChar* platzNehmen(qsizetype n) {
        Q_ASSERT(n <= ende - frei);
        QChar* hier = frei;
        frei += n;
        return hier;
    }

    // A day value as the planner writes it. Thousands of rows hold a few
    // dozen values: each is written once and shared by every field holding
    // it, which keeps the checked values small enough for the processor's
    // cache.
    const QChar* tageswertAblegen(Tageswert wert) {
        const QChar*& form = geschriebeneFormen[Gebietsformat::formnummerBerechnen(wert)];
        if (form == nullptr) {
            QChar* zeichen = platzNehmen(Gebietsformat::Tageswertlaenge);
            Gebietsformat::tageswertSchreiben(wert, dezimal, zeichen);
            form = zeichen;
        }
        return form;
    }

    // A name or value holding a control character shows it as its picture, so
    // no line of a question or of the list of faults breaks.
    QString zeilenkopfBilden(qsizetype index, const QStringView* name) const {
        QString kopf = t.zeilenkopf + QString::number(index);
        if (name != nullptr) {
            kopf += QStringLiteral(", ");
            kopf += steuerzeichenZeigen(*name);
        }
        return kopf;
    }

    // Notes a fault of the current pass for its question.
    void fehlerVermerken(qsizetype index, const QStringView* name, const QString& fehlertext) {
        gefunden[static_cast<std::size_t>(durchgang)].push_back(
            {zeilenkopfBilden(index, name), steuerzeichenZeigen(fehlertext)});
    }

    // The questions about one pass's faults. Every fault the user passes over
    // (Yes, or Yes to All once for the rest of the run) marks the run as failed
    // and goes into the list of faults; No ends the run: false.
    bool fragen(Durchgang d) {
        for (const Fehlerfall& f : gefunden[static_cast<std::size_t>(d)]) {
            if (!alleUebergehen) {
                const Antwort antwort =
                    jaAlleNeinFragen(dienste, f.kopf + QStringLiteral("\r\r") + f.text +
                                                  QStringLiteral("\r\r") + t.frageFortsetzen);
                if (antwort == Antwort::Nein) {
                    return false;
                }
                alleUebergehen = antwort == Antwort::JaAlle;
            }
            uebergangen.append(t.fehlerzeile.arg(f.kopf, f.text));
        }
        return true;
    }

    bool uebergangeneFehler() const { return !uebergangen.isEmpty(); }
    // The faults passed over, one line each, as a box's details.
    QString fehlerliste() const { return uebergangen.join(u'\r'); }

    Dienste& dienste;
    const Texte& t;
    const Gebietsformat format;
    const std::vector<QStringView>& zeilentexte;
    const std::vector<Umbruch>& umbrueche;
    std::size_t naechsterUmbruch = 0;
    ImportTabelle& zeilen;
    std::vector<QString>& eigene;
    const QChar sep;
    const QChar dezimal;
    QChar* frei = nullptr;
    QChar* ende = nullptr;  // of the room made for the checked values
    std::vector<const QChar*> geschriebeneFormen =
        std::vector<const QChar*>(Gebietsformat::Tageswertformen);  // each written once
    const QChar* null = nullptr;                                    // the zero day value
    bool alleUebergehen = false;
    bool strichGesehen = false;  // whether any row so far holds a "|"
    Durchgang durchgang = Durchgang::Zeichen;
    struct Fehlerfall {
        QString kopf;  // the row's header
        QString text;
    };
    std::array<std::vector<Fehlerfall>, 3> gefunden;  // per pass, in row order
    QStringList uebergangen;
};

// With ":" as the file's separator only a quoted field can hold one.
bool doppelpunktImFeld(QStringView text) {
    if (!text.contains(u'"')) {
        return false;
    }
    for (Feldzerleger felder(text, u':'); !felder.ende();) {
        if (felder.abtrennen().contains(u':')) {
            return true;
        }
    }
    return false;
}

// Pass 1: the planner's employee file separates its fields with ":" and "|".
// The whole line is searched, so a quoted one is found too; in a file separated
// by ":", the fields are. Nearly every file has neither character, so one
// search over the whole text tells which rows to look at.
// The same search finds the characters the planner's file cannot take, which
// the fields are then searched for: true for such a row.
bool zeichenPruefen(Pruefung& p, const QString& dateitext, Voraussuche& suche, std::size_t i) {
    // A row whose record is more than one line: once, without its name, which
    // may hold the line break itself. Its line breaks are no further fault.
    if (p.naechsterUmbruch < p.umbrueche.size() && p.umbrueche[p.naechsterUmbruch].zeile == i) {
        p.fehlerVermerken(
            static_cast<qsizetype>(i) + 1, nullptr,
            p.umbrueche[p.naechsterUmbruch].offen ? p.t.offenesZitat : p.t.umbruchInZelle);
        ++p.naechsterUmbruch;
    }
    const QStringView text = p.zeilentexte[i];
    const qsizetype von = text.data() - dateitext.constData();
    if (!suche.enthaelt(von, von + text.size())) {
        return false;
    }
    // A "|", or a ":" outside the file's own separators.
    const bool strich = text.contains(u'|');
    p.strichGesehen = p.strichGesehen || strich;
    if (strich || (p.sep != u':' ? text.contains(u':') : doppelpunktImFeld(text))) {
        p.fehlerVermerken(static_cast<qsizetype>(i) + 1, nullptr, p.t.unzulaessigesZeichen);
    }
    return true;
}

// Whether the planner's files can hold the character: ASCII and Latin-1's
// printable range, and what Windows-1252 puts in 0x80 to 0x9F.
bool istPlanerzeichen(QChar c) {
    const char16_t wert = c.unicode();
    if (wert < 0x80 || (wert >= 0xA0 && wert <= 0xFF)) {
        return true;
    }
    return cp1252Kodieren(QStringView(&c, 1)) != "?";
}

// The code of a character, as the faults name what cannot be shown.
QString zeichencodeBilden(char32_t c) {
    return QStringLiteral("U+") + QString::number(c, 16).toUpper().rightJustified(4, u'0');
}

// What of one field the planner's file cannot take: its control characters,
// as codes, and its characters beyond Windows-1252, as themselves (a
// character beyond 0xFFFF once) or as codes when they show nothing; each
// once, in order. A line break is already its row's fault.
struct Feldzeichen {
    QStringList steuer;
    QStringList fremd;
};

Feldzeichen feldzeichenSammeln(QStringView feld, QChar sep) {
    Feldzeichen z;
    const auto aufnehmen = [](QStringList& liste, const QString& zeichen) {
        if (!liste.contains(zeichen)) {
            liste.append(zeichen);
        }
    };
    for (qsizetype i = 0; i < feld.size(); ++i) {
        const QChar c = feld[i];
        if (c == u'\r' || c == u'\n') {
            continue;
        }
        if ((c.unicode() < 0x20 && c != sep) || c.unicode() == 0x7F) {
            aufnehmen(z.steuer, zeichencodeBilden(c.unicode()));
            continue;
        }
        if (istPlanerzeichen(c)) {
            continue;
        }
        const bool paar =
            c.isHighSurrogate() && i + 1 < feld.size() && feld[i + 1].isLowSurrogate();
        const char32_t code = paar ? QChar::surrogateToUcs4(c, feld[i + 1]) : c.unicode();
        aufnehmen(z.fremd, QChar::isPrint(code) ? feld.sliced(i, paar ? 2 : 1).toString()
                                                : zeichencodeBilden(code));
        i += paar ? 1 : 0;
    }
    return z;
}

// Each field, of a text row only the name, whose characters the planner's
// file cannot take: one fault for its control characters, one for its letters.
// Rare, so kept out of the loop over the rows, which the compiler otherwise
// grows past what it inlines there.
[[gnu::cold]] void feldzeichenPruefen(Pruefung& p, const ImportZeile& zeile, qsizetype index) {
    const std::size_t felder = istTextzeile(zeile) ? 1 : AlleSpalten.size();
    for (std::size_t k = 0; k < felder; ++k) {
        const Feldzeichen z = feldzeichenSammeln(zeile.*AlleSpalten[k], p.sep);
        const QString& name = p.t.spaltennamen[k];
        if (!z.steuer.isEmpty()) {
            p.fehlerVermerken(index, nullptr,
                              p.t.steuerzeichen.arg(name, z.steuer.join(QStringLiteral(", "))));
        }
        if (!z.fremd.isEmpty()) {
            p.fehlerVermerken(index, nullptr,
                              p.t.fremdeZeichen.arg(name, z.fremd.join(QStringLiteral(", "))));
        }
    }
}

}  // namespace

// A line without a quote, as nearly every one is: its fields are the pieces
// between the separators, found in one search. Nothing for a line with a quote.
std::optional<bool> ohneAnfuehrungTeilen(ImportZeile& zeile, QStringView text, QChar sep) {
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
        return text.sliced(anfang, ende - anfang);
    };
    zeile.Name = feld(0);
    if (istTextzeile(zeile)) {
        return true;
    }
    for (int k = 1; k <= std::min(gefunden, Spalten - 1); ++k) {
        zeile.*AlleSpalten[static_cast<std::size_t>(k)] = feld(k);
    }
    return gefunden < Spalten;
}

bool felderTeilen(ImportZeile& zeile, QStringView text, QChar sep, std::vector<QString>& eigene) {
    Feldzerleger felder(text, sep);
    const auto naechstes = [&]() -> QStringView {
        QString feld = felder.abtrennen();
        const bool inDerZeile =
            feld.constData() >= text.data() && feld.constData() <= text.data() + text.size();
        return inDerZeile ? QStringView(feld) : behalten(eigene, std::move(feld));
    };
    zeile.Name = naechstes();
    if (istTextzeile(zeile)) {
        return true;
    }
    for (QStringView ImportZeile::*feld : std::span(AlleSpalten).subspan<1>()) {
        if (felder.ende()) {
            break;
        }
        zeile.*feld = naechstes();
    }
    return felder.ende();
}

namespace {

// Pass 2: splits one line into the row's fields, quoted fields read as
// spreadsheets write them; false when it has more than ten columns. A text row
// has only its name.
bool spaltenTeilen(Pruefung& p, ImportZeile& zeile, QStringView text) {
    if (const auto passt = ohneAnfuehrungTeilen(zeile, text, p.sep)) {
        return *passt;
    }
    return felderTeilen(zeile, text, p.sep, p.eigene);
}

void datumPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index, QStringView& feld,
                  const QString& fehlertext, const char16_t* offen) {
    std::optional<Kalendertag> datum;
    if (!feld.isEmpty()) {
        datum = p.format.kalendertagLesen(feld);
        if (!datum) {
            p.fehlerVermerken(index, &zeile.Name, fehlertext.arg(feld));
        }
    }
    if (!datum) {
        feld = QStringView(offen, Datumslaenge);
        return;
    }
    QChar* ziel = p.platzNehmen(Datumslaenge);
    gueltigenTagSchreiben(*datum, ziel);
    feld = QStringView(ziel, Datumslaenge);
}

void zahlenPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index) {
    for (const Zahlenfeld& z : Zahlenspalten) {
        QStringView& wert = zeile.*z.feld;
        if (wert.isEmpty()) {
            wert = QStringView(p.null, Gebietsformat::Tageswertlaenge);  // many a column is empty
            continue;
        }
        const std::optional<Tageswert> zahl = p.format.tageswertLesen(wert);
        if (!zahl) {
            p.fehlerVermerken(index, &zeile.Name, (p.t.*z.fehlertext).arg(wert));
        }
        // A value that is no number counts as zero.
        wert = QStringView(p.tageswertAblegen(zahl.value_or(Tageswert{})),
                           Gebietsformat::Tageswertlaenge);
    }
}

// A view's first n characters, or all of them when it is shorter.
QStringView kuerzen(QStringView text, qsizetype n) {
    return text.first(std::min(text.size(), n));
}

// Pass 3.
void felderPruefen(Pruefung& p, ImportZeile& zeile, qsizetype index) {
    if (zeile.Name.isEmpty()) {
        p.fehlerVermerken(index, nullptr, p.t.nameLeer);
        zeile.Name = behalten(p.eigene, p.t.ersatzname.arg(index));
        p.strichGesehen = p.strichGesehen || zeile.Name.contains(u'|');
    }
    zeile.Name = kuerzen(zeile.Name, Namenslaenge);
    if (istTextzeile(zeile)) {
        return;
    }
    zeile.Benutzerkennung = kuerzen(zeile.Benutzerkennung, Namenslaenge);
    if (zeile.Benutzerkennung.isEmpty()) {
        zeile.Benutzerkennung = zeile.Name;
    }
    datumPruefen(p, zeile, index, zeile.VonDatum, p.t.vonDatumUngueltig, OffenerAnfang);
    datumPruefen(p, zeile, index, zeile.BisDatum, p.t.bisDatumUngueltig, OffenesEnde);
    // The planner keeps dates without century, and so compares them: a start
    // in 1999 comes after an end in 2005.
    if (spaeter(zeile.VonDatum, zeile.BisDatum)) {
        p.fehlerVermerken(index, &zeile.Name, p.t.vonNachBis);
    }
    zahlenPruefen(p, zeile, index);
}

// Pass 4: the later row of a pair is reported, letter case ignored. The names
// seen so far are kept as the "|"-free pieces of their "|name|" entries, which
// finds exactly what a search of the joined entries finds for a name without
// "|"; a name with "|" (already reported as a forbidden character) is searched
// in the joined entries themselves, which are made only once one is needed.
class Doppelsuche {
  public:
    explicit Doppelsuche(std::size_t anzahl) : gesehen_(anzahl) {}

    void zeilePruefen(Pruefung& p, std::size_t i) {
        const ImportZeile& zeile = p.zeilen[i];
        if (zeile.Benutzerkennung.isEmpty()) {
            return;
        }
        const bool mitStrich =
            p.strichGesehen && einesVonZweiFinden(zeile.Benutzerkennung, 0, u'|', u'|') >= 0;
        if (mitStrich && !liste_) {
            liste_.emplace();
            for (std::size_t j = 0; j < i; ++j) {
                if (!p.zeilen[j].Benutzerkennung.isEmpty()) {
                    eintragen(p.zeilen[j].Benutzerkennung.toString().toLower());
                }
            }
        }
        const QString klein =
            mitStrich || liste_ ? zeile.Benutzerkennung.toString().toLower() : QString();
        bool doppelt = false;
        if (mitStrich) {
            doppelt = liste_->contains(u'|' + klein + u'|');
            for (const QString& stueck : klein.split(u'|', Qt::SkipEmptyParts)) {
                gesehen_.einfuegen(stueck);
            }
        } else {
            doppelt = gesehen_.einfuegen(rohtextBilden(zeile.Benutzerkennung));
        }
        if (doppelt) {
            p.fehlerVermerken(static_cast<qsizetype>(i) + 1, &zeile.Name,
                              p.t.doppelt.arg(zeile.Benutzerkennung));
        }
        if (liste_) {
            eintragen(klein);
        }
    }

  private:
    void eintragen(const QString& klein) { liste_->append(u'|').append(klein).append(u'|'); }

    Kennungen gesehen_;
    std::optional<QString> liste_;
};

// The four passes, the questions and the closing box; false when the run ended
// early. A row with too many columns ends the run without a question after the
// first pass's questions, since its fields would all be shifted; the faults
// passed over before it go with the message. The first pass still looks at
// every row.
bool allePruefen(Pruefung& p, const QString& dateitext) {
    Doppelsuche doppelte(p.zeilentexte.size());
    std::optional<std::size_t> zuVieleSpalten;
    ImportZeile nurZeichen;  // a row after that one, split for its characters only
    Voraussuche suche(dateitext, p.sep.unicode());
    for (std::size_t i = 0; i < p.zeilentexte.size(); ++i) {
        ImportZeile& zeile = p.zeilen.emplace_back();
        const auto index = static_cast<qsizetype>(i) + 1;
        p.durchgang = Durchgang::Zeichen;
        const bool auffaellig = zeichenPruefen(p, dateitext, suche, i);
        // After a row with too many columns a row is split only for its
        // characters: the check ends before the fields.
        if (zuVieleSpalten && !auffaellig) {
            continue;
        }
        ImportZeile& felder = zuVieleSpalten ? (nurZeichen = {}) : zeile;
        const bool passt = spaltenTeilen(p, felder, p.zeilentexte[i]);
        if (auffaellig) {
            feldzeichenPruefen(p, felder, index);
        }
        if (zuVieleSpalten) {
            continue;
        }
        if (!passt) {
            zuVieleSpalten = i;
            continue;
        }
        p.durchgang = Durchgang::Felder;
        felderPruefen(p, zeile, index);
        p.durchgang = Durchgang::Doppelte;
        doppelte.zeilePruefen(p, i);
    }
    if (!p.fragen(Durchgang::Zeichen)) {
        return false;
    }
    if (zuVieleSpalten) {
        const std::size_t i = *zuVieleSpalten;
        Meldung(p.dienste,
                p.zeilenkopfBilden(static_cast<qsizetype>(i) + 1, &p.zeilen[i].Name) +
                    QStringLiteral("\r\r") + p.t.spaltenanzahl + QStringLiteral("\r\r") +
                    p.t.spaltenHinweis.arg(p.sep),
                p.fehlerliste());
        return false;
    }
    return p.fragen(Durchgang::Felder) && p.fragen(Durchgang::Doppelte);
}

}  // namespace

Pruefergebnis Importdatei_checken(Dienste& dienste, const QString& Datenpfad,
                                  const QString& Importdateipfad, const QString& Benutzername) try {
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
    if (!allePruefen(p, ergebnis.datei.text)) {
        return ergebnis;
    }
    // The lines passed over are named however the check ended.
    const Texte& t = dienste.texte;
    const QString details = ueberleseneAuflisten(t, ergebnis.datei, p.fehlerliste());
    if (p.uebergangeneFehler()) {
        Meldung(dienste, ueberleseneErwaehnen(t, ergebnis.datei, t.pruefungMitFehlern), details);
        return ergebnis;
    }
    Meldung(dienste, ueberleseneErwaehnen(t, ergebnis.datei, t.pruefungFehlerfrei), details);
    ergebnis.fehlerfrei = true;
    return ergebnis;
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("frmMitarbeiterImport - Importdatei_checken"));
}

}  // namespace mi
