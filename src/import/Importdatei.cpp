#include "import/Importdatei.h"

#include "base/Zaehler16.h"
#include "base/Zeichensuche.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace mi {

namespace {

constexpr std::array<char16_t, 4> Trennzeichenwahl = {u',', u';', u':', u'\t'};

bool planerzeichenAusserhalbLatin1(QChar c) {
    return cp1252Kodieren(QStringView(&c, 1)) != "?";
}

inline bool planerzeichen(QChar c) {
    const char16_t wert = c.unicode();
    if (wert < 0x80 || (wert >= 0xA0 && wert <= 0xFF)) {
        return true;
    }
    return planerzeichenAusserhalbLatin1(c);
}

// Makes the characters from von to bis planner text in place: a character the
// planner cannot hold becomes "?", a surrogate pair one "?". The new end.
QChar* aufPlanerzeichenIn(QChar* von, QChar* bis) {
    if (nurLatin1(QStringView(von, bis))) {
        return bis;  // mostly every character fits
    }
    QChar* ziel = von;
    for (QChar* c = von; c < bis; ++c) {
        if (c->isHighSurrogate() && c + 1 < bis && c[1].isLowSurrogate()) {
            *ziel++ = u'?';  // one character of the file, one of the planner
            ++c;
        } else {
            *ziel++ = planerzeichen(*c) ? *c : QChar(u'?');
        }
    }
    return ziel;
}

QString aufPlanerzeichen(QString text) {
    QChar* anfang = text.data();
    text.truncate(aufPlanerzeichenIn(anfang, anfang + text.size()) - anfang);
    return text;
}

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

// Valid UTF-8 as planner text, decoded a piece at a time and each piece made
// planner text while the processor's cache still holds it, so a file of
// megabytes is not read once more for that. Nothing at the first fault: the
// caller then decides on the whole file.
std::optional<QString> gueltigesUtf8(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);  // never more characters than bytes
    QStringDecoder utf8(QStringConverter::Utf8);    // keeps a character split between pieces
    QChar* const anfang = text.data();
    QChar* ende = anfang;
    for (qsizetype von = 0; von < bytes.size(); von += Dekodierstueck) {
        QChar* const stueck = ende;
        ende = utf8.appendToBuffer(ende,
                                   bytes.sliced(von, std::min(Dekodierstueck, bytes.size() - von)));
        if (utf8.hasError()) {
            return std::nullopt;
        }
        ende = aufPlanerzeichenIn(stueck, ende);
    }
    if (endetImZeichen(bytes)) {
        return std::nullopt;
    }
    text.truncate(ende - anfang);
    return text;
}

// The "sep=X" line a spreadsheet writes first, quoted or not.
std::optional<QChar> trennzeichenzeile(QStringView zeile) {
    if (zeile.size() == 7 && zeile.front() == u'"' && zeile.back() == u'"') {
        zeile = zeile.sliced(1, 5);
    }
    if (zeile.size() != 5 || !zeile.startsWith(u"sep=")) {
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

// A header may run over several lines until they hold enough separators
// together; a header the file ends in consumes every line.
void kopfUeberlesen(QStringView zeile, QChar trennzeichen, int schwelle, Importzeilen& zeilen) {
    std::int16_t summe = 0;
    for (;;) {
        Zaehler16::pruefen(zeile.size());
        summe = Zaehler16::pruefen(summe + zeile.count(trennzeichen));
        if (summe >= schwelle || zeilen.ende()) {
            return;
        }
        zeile = zeilen.naechste();
        if (zeilen.ende()) {
            return;  // the file's last line belongs to the header unread
        }
    }
}

// The line points into the file's text, which the Importdatei keeps.
void zeileUebernehmen(Importdatei& datei, Zaehler16& zeilenzahl, QStringView zeile) {
    const char16_t sep = datei.trennzeichen.unicode();
    if (zeile.isEmpty() || findeEines(zeile, 0, sep, sep) < 0) {
        return;
    }
    ++zeilenzahl;
    datei.zeilentexte.push_back(zeile);
}

}  // namespace

QStringView Importzeilen::naechste() {
    const qsizetype gefunden = findeEines(text_, pos_, u'\r', u'\n');
    qsizetype i = gefunden < 0 ? text_.size() : gefunden;
    const QStringView zeile = text_.sliced(pos_, i - pos_);
    if (i < text_.size()) {
        i += (text_[i] == u'\r' && i + 1 < text_.size() && text_[i + 1] == u'\n') ? 2 : 1;
    }
    pos_ = i;
    return zeile;
}

QString Importfelder::naechstes() {
    if (ende()) {
        return {};
    }
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        if (auto feld = zitiert()) {
            return *std::move(feld);
        }
        ++pos_;  // read as before, without its opening quote
    }
    return unzitiert();
}

// The field from its opening quote to the quote before its separator; nothing,
// and the position unmoved, unless it is quoted so. Only a field with a doubled
// quote needs a string of its own.
std::optional<QString> Importfelder::zitiert() {
    const qsizetype anfang = pos_ + 1;
    QString verdoppelt;
    bool mitVerdoppelung = false;
    qsizetype i = anfang;
    for (;;) {
        const qsizetype quote = findeEines(text_, i, u'"', u'"');
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
            return mitVerdoppelung ? verdoppelt : rohtext(text_.data() + anfang, quote - anfang);
        }
        mitVerdoppelung = true;
        verdoppelt.append(u'"');
        i = danach + 1;
    }
}

// The field up to the next separator, a quote before that dropped.
QString Importfelder::unzitiert() {
    const char16_t* zeichen = text_.utf16();
    const char16_t sep = sep_.unicode();
    const qsizetype gefunden = findeEines(text_, pos_, sep, sep);
    const qsizetype trenner = gefunden < 0 ? text_.size() : gefunden;
    qsizetype laenge = trenner - pos_;
    if (laenge > 0 && zeichen[trenner - 1] == u'"') {
        --laenge;
    }
    const qsizetype anfang = pos_;
    pos_ = trenner + 1;
    return rohtext(text_.data() + anfang, laenge);
}

QString importtextDekodieren(QByteArrayView bytes) {
    const bool mitBom = bytes.startsWith("\xEF\xBB\xBF");
    if (mitBom) {
        bytes = bytes.sliced(3);
    }
    if (auto text = gueltigesUtf8(bytes)) {
        return *std::move(text);  // plain ASCII too
    }
    if (mitBom) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        return aufPlanerzeichen(utf8.decode(bytes));
    }
    return cp1252Dekodieren(bytes);
}

QString steuerzeichenSichtbar(QStringView text) {
    QString sichtbar = text.toString();
    for (QChar& c : sichtbar) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QChar(c.unicode() == 0x7F ? 0x2421 : 0x2400 + c.unicode());
        }
    }
    return sichtbar;
}

std::optional<QChar> Trennzeichen(Dienste& dienste, const QString& zeile) {
    return mitFehlerbericht(dienste, QStringLiteral("frmMitarbeiterImport - Trennzeichen"),
                            [&]() -> std::optional<QChar> {
                                Zaehler16::pruefen(zeile.size());
                                std::array<int, 4> anzahl{};
                                for (const QChar c : zeile) {
                                    for (std::size_t i = 0; i < Trennzeichenwahl.size(); ++i) {
                                        anzahl[i] += c == Trennzeichenwahl[i] ? 1 : 0;
                                    }
                                }
                                const int hoechste =
                                    *std::max_element(anzahl.begin(), anzahl.end());
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
                            });
}

std::optional<Importdatei> Importdatei_lesen(Dienste& dienste, const QString& Importdateipfad) {
    return mitFehlerbericht(
        dienste, QStringLiteral("frmMitarbeiterImport - Importdatei_lesen"),
        [&]() -> std::optional<Importdatei> {
            const Texte& t = dienste.texte;
            Importdatei datei;
            Datei_oeffnen(dienste, Importdateipfad, Kanalmodus::Input);
            datei.text = importtextDekodieren(dienste.kanal.restLesen());
            Datei_schliessen(dienste);
            const QString& text = datei.text;

            const QString pfad = Pfad_zitieren(t, Importdateipfad);
            const auto leer = [&] {
                Meldung(dienste, t.importdateiLeer.arg(pfad));
                return std::nullopt;
            };
            Importzeilen zeilen(text);
            if (zeilen.ende()) {
                return leer();
            }
            QStringView erste = zeilen.naechste();
            if (const auto sep = trennzeichenzeile(erste)) {
                // Without this the line would be read as an employee named "sep=".
                datei.trennzeichen = *sep;
                if (zeilen.ende()) {
                    return leer();
                }
                erste = zeilen.naechste();
            } else if (const auto gefunden = Trennzeichen(dienste, erste.toString())) {
                datei.trennzeichen = *gefunden;
            } else {
                Meldung(dienste, t.keinTrennzeichen.arg(pfad));
                return std::nullopt;
            }

            Zaehler16 zeilenzahl;
            if (istKopfzeile(erste)) {
                kopfUeberlesen(erste, datei.trennzeichen, t.kopfzeilenSchwelle, zeilen);
            } else {
                zeileUebernehmen(datei, zeilenzahl, erste);
            }
            while (!zeilen.ende()) {
                zeileUebernehmen(datei, zeilenzahl, zeilen.naechste());
            }
            if (zeilenzahl.wert() == 0) {
                return leer();
            }
            return datei;
        });
}

}  // namespace mi
