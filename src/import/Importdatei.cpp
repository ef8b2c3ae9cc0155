#include "import/Importdatei.h"

#include "base/Zaehler16.h"
#include "base/Zeichensuche.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

namespace mi {

namespace {

constexpr std::array<char16_t, 4> Trennzeichenwahl = {u',', u';', u':', u'\t'};

// Whether the bytes end inside a character: the decoder keeps such a start
// for the next piece and reports nothing.
bool endetImZeichen(QByteArrayView bytes) {
    for (qsizetype k = 1; k <= std::min<qsizetype>(3, bytes.size()); ++k) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - k]);
        if ((c & 0xC0) != 0x80) {
            const qsizetype laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return laenge > k;
        }
    }
    return false;
}

// A decoder that keeps a byte-order mark at its start as the character it is,
// as everywhere else: nothing of the file is dropped unseen.
QStringDecoder utf8DekodiererAnlegen(QStringConverter::Flags flags = {}) {
    return QStringDecoder(QStringConverter::Utf8,
                          flags | QStringConverter::Flag::ConvertInitialBom);
}

// Valid UTF-8 as text, decoded a piece at a time, so that a file in another
// encoding is found at its first piece with a fault and not decoded whole.
// Nothing at the first fault: the caller then decides on the whole file.
std::optional<QString> gueltigesUtf8Lesen(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);  // never more characters than bytes
    QStringDecoder utf8 = utf8DekodiererAnlegen();  // keeps a character split between pieces
    QChar* const anfang = text.data();
    QChar* ende = anfang;
    for (qsizetype von = 0; von < bytes.size(); von += Dekodierstueck) {
        ende = utf8.appendToBuffer(ende,
                                   bytes.sliced(von, std::min(Dekodierstueck, bytes.size() - von)));
        if (utf8.hasError()) {
            return std::nullopt;
        }
    }
    if (endetImZeichen(bytes)) {
        return std::nullopt;
    }
    text.truncate(ende - anfang);
    return text;
}

// The length of the valid UTF-8 sequence of two to four bytes at i, else 0.
qsizetype utf8FolgeMessen(QByteArrayView bytes, qsizetype i) {
    const auto byte = [&](qsizetype k) {
        return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0U;
    };
    const auto folgebyte = [&](qsizetype k, unsigned von, unsigned bis) {
        return byte(k) >= von && byte(k) <= bis;
    };
    const unsigned c = byte(i);
    if (c >= 0xC2 && c <= 0xDF) {
        return folgebyte(i + 1, 0x80, 0xBF) ? 2 : 0;
    }
    // Neither the shortest form of a smaller character nor a surrogate nor
    // beyond U+10FFFF.
    if (c >= 0xE0 && c <= 0xEF) {
        const bool gut = folgebyte(i + 1, c == 0xE0 ? 0xA0 : 0x80, c == 0xED ? 0x9F : 0xBF) &&
                         folgebyte(i + 2, 0x80, 0xBF);
        return gut ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const bool gut = folgebyte(i + 1, c == 0xF0 ? 0x90 : 0x80, c == 0xF4 ? 0x8F : 0xBF) &&
                         folgebyte(i + 2, 0x80, 0xBF) && folgebyte(i + 3, 0x80, 0xBF);
        return gut ? 4 : 0;
    }
    return 0;
}

// Whether the bytes hold UTF-8 beyond ASCII anywhere; only the bytes from
// 0x80 on are looked at.
bool enthaeltUtf8Folge(QByteArrayView bytes) {
    for (qsizetype i = hohesByteFinden(bytes, 0); i >= 0; i = hohesByteFinden(bytes, i + 1)) {
        if (utf8FolgeMessen(bytes, i) > 0) {
            return true;
        }
    }
    return false;
}

// Line by line: a line that is valid UTF-8 as such, every other one as
// Windows-1252. The line ends stay as they are.
QString zeilenweiseDekodieren(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype von = 0; von < bytes.size();) {
        qsizetype bis = von;
        while (bis < bytes.size() && bytes[bis] != '\r' && bytes[bis] != '\n') {
            ++bis;
        }
        const QByteArrayView zeile = bytes.sliced(von, bis - von);
        QStringDecoder utf8 = utf8DekodiererAnlegen(QStringConverter::Flag::Stateless);
        const QString gelesen = utf8.decode(zeile);
        text += utf8.hasError() ? cp1252Dekodieren(zeile) : gelesen;
        if (bis < bytes.size()) {
            text += QLatin1Char(bytes[bis]);
            ++bis;
        }
        von = bis;
    }
    return text;
}

// UTF-16 in the byte order given; a surrogate without its partner, and a last
// odd byte, become U+FFFD.
QString utf16Dekodieren(QByteArrayView bytes, bool grossEndian) {
    const qsizetype n = bytes.size() / 2;
    QString text(n + bytes.size() % 2, Qt::Uninitialized);
    auto* z = reinterpret_cast<char16_t*>(text.data());
    const auto byte = [&](qsizetype k) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[k]));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned vorn = byte(2 * i);
        const unsigned hinten = byte(2 * i + 1);
        z[i] = static_cast<char16_t>(grossEndian ? (vorn << 8) | hinten : (hinten << 8) | vorn);
    }
    if (bytes.size() % 2 != 0) {
        z[n] = u'\uFFFD';
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (QChar::isHighSurrogate(z[i]) && i + 1 < n && QChar::isLowSurrogate(z[i + 1])) {
            ++i;
        } else if (QChar::isSurrogate(z[i])) {
            z[i] = u'\uFFFD';
        }
    }
    return text;
}

bool beginntMit(QByteArrayView bytes, std::string_view anfang) {
    return bytes.size() >= static_cast<qsizetype>(anfang.size()) &&
           std::memcmp(bytes.data(), anfang.data(), anfang.size()) == 0;
}

constexpr std::string_view Utf8Bom("\xEF\xBB\xBF", 3);
constexpr std::string_view Utf16LeBom("\xFF\xFE", 2);
constexpr std::string_view Utf16BeBom("\xFE\xFF", 2);

// The "sep=X" line a spreadsheet writes first, quoted or not, in any letter case.
std::optional<QChar> trennzeichenzeileLesen(QStringView zeile) {
    if (zeile.size() == 7 && zeile.front() == u'"' && zeile.back() == u'"') {
        zeile = zeile.sliced(1, 5);
    }
    if (zeile.size() != 5 || !zeile.startsWith(u"sep=", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const QChar c = zeile[4];
    if (std::find(Trennzeichenwahl.begin(), Trennzeichenwahl.end(), c.unicode()) ==
        Trennzeichenwahl.end()) {
        return std::nullopt;
    }
    return c;
}

bool istKopfzeile(QStringView zeile) {
    const QString klein = zeile.toString().toLower();
    return klein.contains(u"name") || klein.contains(u"nom");
}

// A header may run over several records until they hold enough separators
// together; a header the file ends in consumes every record.
void kopfUeberlesen(QStringView satz, QChar trennzeichen, int schwelle, Satzzerleger& saetze) {
    std::int16_t summe = 0;
    for (;;) {
        Zaehler16::pruefen(satz.size());
        summe = Zaehler16::pruefen(summe + satz.count(trennzeichen));
        if (summe >= schwelle || saetze.ende()) {
            return;
        }
        satz = saetze.abtrennen().text;
        if (saetze.ende()) {
            return;  // the file's last record belongs to the header unread
        }
    }
}

// Where the line from ab ends: at its CR or LF, or at the text's end.
qsizetype zeilenendeFinden(QStringView text, qsizetype ab) {
    const qsizetype i = einesVonZweiFinden(text, ab, u'\r', u'\n');
    return i < 0 ? text.size() : i;
}

// Where the next line starts after the line end at i, CR LF being one.
qsizetype zeilenendeUeberspringen(QStringView text, qsizetype i) {
    if (i < text.size()) {
        i += (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
    }
    return i;
}

// What the closing message shows of a line passed over.
constexpr qsizetype Anfangslaenge = 40;

QString zeilenanfangBilden(QStringView text) {
    if (text.size() <= Anfangslaenge) {
        return steuerzeichenZeigen(text);
    }
    // A character beyond 0xFFFF is not cut in two.
    const qsizetype laenge =
        text[Anfangslaenge - 1].isHighSurrogate() ? Anfangslaenge + 1 : Anfangslaenge;
    return steuerzeichenZeigen(text.first(laenge)) + QChar(u'\u2026');
}

// The record points into the file's text, which the Importdatei keeps. One
// without the separator is passed over, as always; unless it is blank, the
// check's closing message names it.
void zeileUebernehmen(Importdatei& datei, Zaehler16& zeilenzahl, const Importsatz& satz) {
    const char16_t sep = datei.Importtrennzeichen.unicode();
    if (satz.text.isEmpty() || einesVonZweiFinden(satz.text, 0, sep, sep) < 0) {
        if (!satz.text.trimmed().isEmpty()) {
            datei.ueberlesen.push_back({satz.zeile, zeilenanfangBilden(satz.text)});
        }
        return;
    }
    ++zeilenzahl;
    if (satz.umbrochen || satz.offen) {
        datei.umbrueche.push_back({datei.zeilentexte.size(), satz.offen});
    }
    datei.zeilentexte.push_back(satz.text);
}

}  // namespace

QStringView Zeilenzerleger::abtrennen() {
    const qsizetype ende = zeilenendeFinden(text_, pos_);
    const QStringView zeile = text_.sliced(pos_, ende - pos_);
    pos_ = zeilenendeUeberspringen(text_, ende);
    return zeile;
}

// The lines of a text, CR LF counted as one line end.
qsizetype Satzzerleger::zeilenZaehlen(QStringView text) {
    qsizetype anzahl = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))) {
            ++anzahl;
        }
    }
    return anzahl;
}

Importsatz Satzzerleger::abtrennen() {
    Importsatz satz;
    satz.zeile = zeile_;
    const qsizetype von = pos_;
    qsizetype ende = einesVonDreiFinden(text_, von, u'\r', u'\n', u'"');
    if (ende < 0) {
        ende = text_.size();
    } else if (text_[ende] == u'"') {
        ende = zitatendeFinden(von, satz);
    }
    satz.text = text_.sliced(von, ende - von);
    pos_ = zeilenendeUeberspringen(text_, ende);
    zeile_ += satz.umbrochen ? zeilenZaehlen(satz.text) : 1;
    return satz;
}

// The next quote on the field's line that opens a field; -1 when none.
qsizetype Satzzerleger::feldzitatFinden(qsizetype feld, qsizetype zeile) const {
    for (qsizetype quote = feld;; ++quote) {
        quote = einesVonZweiFinden(text_.first(zeile), quote, u'"', u'"');
        if (quote < 0 || quote == feld || text_[quote - 1] == sep_) {
            return quote;
        }
    }
}

// The quote that closes the one at `quote`, over line ends too: the first
// that is not doubled; -1 when none.
qsizetype Satzzerleger::schlusszitatFinden(qsizetype quote) const {
    const qsizetype n = text_.size();
    for (qsizetype i = quote + 1;;) {
        const qsizetype zu = einesVonZweiFinden(text_, i, u'"', u'"');
        if (zu < 0 || zu + 1 >= n || text_[zu + 1] != u'"') {
            return zu;
        }
        i = zu + 2;
    }
}

// The end of a record holding a quote: its fields as Feldzerleger splits them,
// each quoted one to its closing quote.
qsizetype Satzzerleger::zitatendeFinden(qsizetype von, Importsatz& satz) const {
    const qsizetype n = text_.size();
    qsizetype feld = von;  // where the field starts
    qsizetype zeile = zeilenendeFinden(text_, von);
    for (;;) {
        const qsizetype quote = feldzitatFinden(feld, zeile);
        if (quote < 0) {
            return zeile;
        }
        const qsizetype zu = schlusszitatFinden(quote);
        if (zu < 0) {
            satz.offen = true;
            return n;
        }
        const qsizetype danach = zu + 1;
        const QChar folgt = danach < n ? text_[danach] : QChar(u'\n');
        if (folgt != sep_ && folgt != u'\r' && folgt != u'\n') {
            // Not quoted as spreadsheets quote: the field ends at the next
            // separator of its line.
            const qsizetype trenner = einesVonZweiFinden(text_.first(zeile), quote + 1, sep_, sep_);
            if (trenner < 0) {
                return zeile;
            }
            feld = trenner + 1;
            continue;
        }
        const bool umbrochen = zu > zeile;
        satz.umbrochen = satz.umbrochen || umbrochen;
        if (folgt != sep_) {
            return danach;
        }
        feld = danach + 1;
        if (umbrochen) {
            zeile = zeilenendeFinden(text_, feld);
        }
    }
}

QString Feldzerleger::abtrennen() {
    if (ende()) {
        return {};
    }
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        if (auto feld = zitiertLesen()) {
            return *std::move(feld);
        }
        ++pos_;  // read as before, without its opening quote
    }
    return unzitiertLesen();
}

// The field from its opening quote to the quote before its separator; nothing,
// and the position unmoved, unless it is quoted so. Only a field with a doubled
// quote needs a string of its own.
std::optional<QString> Feldzerleger::zitiertLesen() {
    const qsizetype anfang = pos_ + 1;
    QString verdoppelt;
    bool mitVerdoppelung = false;
    qsizetype i = anfang;
    for (;;) {
        const qsizetype quote = einesVonZweiFinden(text_, i, u'"', u'"');
        if (quote < 0) {
            return std::nullopt;
        }
        const qsizetype danach = quote + 1;
        const bool amEnde = danach == text_.size() || text_[danach] == sep_;
        if (!amEnde && text_[danach] != u'"') {
            return std::nullopt;
        }
        if (mitVerdoppelung || !amEnde) {
            verdoppelt.append(text_.sliced(i, quote - i));
        }
        if (amEnde) {
            pos_ = danach + 1;
            return mitVerdoppelung ? verdoppelt
                                   : rohtextBilden(text_.data() + anfang, quote - anfang);
        }
        mitVerdoppelung = true;
        verdoppelt.append(u'"');
        i = danach + 1;
    }
}

// The field up to the next separator, a quote before that dropped.
QString Feldzerleger::unzitiertLesen() {
    const char16_t* zeichen = text_.utf16();
    const char16_t sep = sep_.unicode();
    const qsizetype gefunden = einesVonZweiFinden(text_, pos_, sep, sep);
    const qsizetype trenner = gefunden < 0 ? text_.size() : gefunden;
    qsizetype laenge = trenner - pos_;
    if (laenge > 0 && zeichen[trenner - 1] == u'"') {
        --laenge;
    }
    const qsizetype anfang = pos_;
    pos_ = trenner + 1;
    return rohtextBilden(text_.data() + anfang, laenge);
}

bool istKeineTextdatei(QByteArrayView bytes) {
    constexpr std::string_view Zip("PK\x03\x04", 4);
    constexpr std::string_view Verbunddatei("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    constexpr std::string_view Utf32LeBom("\xFF\xFE\x00\x00", 4);
    if (beginntMit(bytes, Zip) || beginntMit(bytes, Verbunddatei) ||
        beginntMit(bytes, Utf32LeBom)) {
        return true;
    }
    if (beginntMit(bytes, Utf16LeBom) || beginntMit(bytes, Utf16BeBom)) {
        return false;
    }
    return !bytes.isEmpty() &&
           std::memchr(bytes.data(), 0, static_cast<std::size_t>(bytes.size())) != nullptr;
}

QString importtextDekodieren(QByteArrayView bytes) {
    if (beginntMit(bytes, Utf16LeBom) || beginntMit(bytes, Utf16BeBom)) {
        return utf16Dekodieren(bytes.sliced(2), beginntMit(bytes, Utf16BeBom));
    }
    const bool mitBom = beginntMit(bytes, Utf8Bom);
    if (mitBom) {
        bytes = bytes.sliced(3);
    }
    if (auto text = gueltigesUtf8Lesen(bytes)) {
        return *std::move(text);  // plain ASCII too
    }
    if (mitBom || enthaeltUtf8Folge(bytes)) {
        return zeilenweiseDekodieren(bytes);
    }
    return cp1252Dekodieren(bytes);
}

QString ueberleseneErwaehnen(const Texte& t, const Importdatei& datei, const QString& text) {
    const auto anzahl = static_cast<qsizetype>(datei.ueberlesen.size());
    if (anzahl == 0) {
        return text;
    }
    // A tab shows nothing between the quotes: it is named, as the message
    // on a missing separator names it.
    const QString sep =
        datei.Importtrennzeichen == u'\t' ? t.tabulator : QString(datei.Importtrennzeichen);
    return text + QStringLiteral("\r\r") +
           (anzahl == 1 ? t.ueberlesenEine.arg(sep)
                        : t.ueberlesenMehrere.arg(QString::number(anzahl), sep));
}

QString ueberleseneAuflisten(const Texte& t, const Importdatei& datei, const QString& fehlerliste) {
    QStringList zeilen;
    if (!fehlerliste.isEmpty()) {
        zeilen.append(fehlerliste);
    }
    for (const UeberleseneZeile& z : datei.ueberlesen) {
        zeilen.append(t.ueberlesenDetail.arg(QString::number(z.zeile), z.anfang));
    }
    return zeilen.join(u'\r');
}

QString steuerzeichenZeigen(QStringView text) {
    QString sichtbar = text.toString();
    for (QChar& c : sichtbar) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QChar(c.unicode() == 0x7F ? 0x2421 : 0x2400 + c.unicode());
        }
    }
    return sichtbar;
}

std::optional<QChar> Trennzeichen(const QString& zeile) {
    // Its 16-bit positions: a longer line is reported under this procedure's name.
    Zaehler16::pruefen(zeile.size(), QStringLiteral("frmMitarbeiterImport - Trennzeichen"));
    std::array<int, 4> anzahl{};
    for (const QChar c : zeile) {
        for (std::size_t i = 0; i < Trennzeichenwahl.size(); ++i) {
            anzahl[i] += c == Trennzeichenwahl[i] ? 1 : 0;
        }
    }
    const int hoechste = *std::max_element(anzahl.begin(), anzahl.end());
    if (hoechste == 0) {
        return std::nullopt;
    }
    std::optional<QChar> gewaehlt;
    for (std::size_t i = 0; i < Trennzeichenwahl.size(); ++i) {
        if (anzahl[i] == hoechste) {
            gewaehlt = QChar(Trennzeichenwahl[i]);
        }
    }
    return gewaehlt;
}

namespace {

// Where the records start and what separates their fields.
struct Satzanfang {
    QChar trennzeichen;
    qsizetype position;
    qsizetype zeile;
};

// The separator must be known before the records can be read: it comes from
// the first line, whatever it holds. Nothing when that line has none.
std::optional<Satzanfang> satzanfangFinden(QStringView text) {
    Zeilenzerleger zeilen(text);
    const QStringView erste = zeilen.abtrennen();
    if (const auto sep = trennzeichenzeileLesen(erste)) {
        // Without this the line would be read as an employee named "sep=".
        return Satzanfang{*sep, zeilen.position(), 2};
    }
    if (const auto gefunden = Trennzeichen(erste.toString())) {
        return Satzanfang{*gefunden, 0, 1};
    }
    return std::nullopt;
}

// Every record into the table, a header passed over; false when not one row
// was taken.
bool saetzeUebernehmen(Importdatei& datei, const Texte& t, Satzzerleger& saetze) {
    Zaehler16 zeilenzahl;
    const Importsatz erster = saetze.abtrennen();
    if (istKopfzeile(erster.text)) {
        kopfUeberlesen(erster.text, datei.Importtrennzeichen, t.kopfzeilenSchwelle, saetze);
    } else {
        zeileUebernehmen(datei, zeilenzahl, erster);
    }
    while (!saetze.ende()) {
        zeileUebernehmen(datei, zeilenzahl, saetze.abtrennen());
    }
    return zeilenzahl.wert() != 0;
}

// An empty file is one without a row: the lines passed over are named too.
std::nullopt_t leerMelden(Dienste& dienste, const Importdatei& datei, const QString& pfad) {
    const Texte& t = dienste.texte;
    Meldung(dienste, ueberleseneErwaehnen(t, datei, t.importdateiLeer.arg(pfad)),
            ueberleseneAuflisten(t, datei, {}));
    return std::nullopt;
}

}  // namespace

std::optional<Importdatei> Importdatei_lesen(Dienste& dienste, const QString& Importdateipfad) try {
    const Texte& t = dienste.texte;
    Datei_oeffnen(dienste, Importdateipfad, Kanalmodus::Input);
    const QByteArray bytes = dienste.kanal.restLesen();
    Datei_schliessen(dienste);
    const QString pfad = Pfad_zitieren(t, Importdateipfad);
    if (istKeineTextdatei(bytes)) {
        Meldung(dienste, t.keineTextdatei.arg(pfad));
        return std::nullopt;
    }
    Importdatei datei;
    datei.text = importtextDekodieren(bytes);
    if (datei.text.isEmpty()) {
        return leerMelden(dienste, datei, pfad);
    }
    const auto anfang = satzanfangFinden(datei.text);
    if (!anfang) {
        Meldung(dienste, t.keinTrennzeichen.arg(pfad));
        return std::nullopt;
    }
    datei.Importtrennzeichen = anfang->trennzeichen;
    Satzzerleger saetze(datei.text, anfang->trennzeichen, anfang->position, anfang->zeile);
    if (saetze.ende() || !saetzeUebernehmen(datei, t, saetze)) {
        return leerMelden(dienste, datei, pfad);
    }
    return datei;
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("frmMitarbeiterImport - Importdatei_lesen"));
}

}  // namespace mi
