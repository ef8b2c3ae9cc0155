#include "import/Importdatei.h"

#include "base/Zaehler16.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <limits>
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

QString aufPlanerzeichen(const QString& text) {
    // Mostly every character fits: then the text is kept as it is.
    const auto erstesFremdes =
        std::find_if_not(text.cbegin(), text.cend(), [](QChar c) { return planerzeichen(c); });
    if (erstesFremdes == text.cend()) {
        return text;
    }
    QString ergebnis(text.size(), Qt::Uninitialized);
    QChar* ziel = ergebnis.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            *ziel++ = u'?';  // one character of the file, one of the planner
            ++i;
        } else {
            *ziel++ = planerzeichen(c) ? c : QChar(u'?');
        }
    }
    ergebnis.truncate(ziel - ergebnis.constData());
    return ergebnis;
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

void zeileUebernehmen(Importdatei& datei, Zaehler16& zeilenzahl, QStringView zeile) {
    if (zeile.isEmpty() || !zeile.contains(datei.trennzeichen)) {
        return;
    }
    ++zeilenzahl;
    if (zeilenzahl.wert() > 1) {
        datei.zeilen.emplace_back();
    }
    QString& text = datei.zeilen.back().Zeilentext;
    text.reserve(zeile.size() + 1);
    text.append(zeile).append(datei.trennzeichen);
}

}  // namespace

QStringView Importzeilen::naechste() {
    qsizetype i = pos_;
    while (i < text_.size() && text_[i] != u'\r' && text_[i] != u'\n') {
        ++i;
    }
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
    if (text_[pos_] == u'"') {
        if (auto feld = zitiert()) {
            return *std::move(feld);
        }
        ++pos_;  // read as before, without its opening quote
    }
    return unzitiert();
}

// The field from its opening quote to the quote before its separator; nothing,
// and the position unmoved, unless it is quoted so.
std::optional<QString> Importfelder::zitiert() {
    QString feld;
    qsizetype i = pos_ + 1;
    for (;;) {
        const qsizetype quote = text_.indexOf(u'"', i);
        if (quote < 0) {
            return std::nullopt;
        }
        feld.append(text_.sliced(i, quote - i));
        const qsizetype danach = quote + 1;
        if (danach == text_.size() || text_[danach] == sep_) {
            pos_ = std::min(danach + 1, text_.size());
            return feld;
        }
        if (text_[danach] != u'"') {
            return std::nullopt;
        }
        feld.append(u'"');
        i = danach + 1;
    }
}

// The field up to the next separator, a quote before that dropped.
QString Importfelder::unzitiert() {
    // A plain scan: the library's general search costs more than a short field.
    const qsizetype trenner = std::find(text_.begin() + pos_, text_.end(), sep_) - text_.begin();
    QStringView feld = text_.sliced(pos_, trenner - pos_);
    pos_ = std::min(trenner + 1, text_.size());
    if (feld.endsWith(u'"')) {
        feld.chop(1);
    }
    return feld.toString();
}

QString importtextDekodieren(QByteArrayView bytes) {
    const bool mitBom = bytes.startsWith("\xEF\xBB\xBF");
    if (mitBom) {
        bytes = bytes.sliced(3);
    }
    const bool nurAscii =
        std::all_of(bytes.begin(), bytes.end(), [](char b) { return (b & 0x80) == 0; });
    if (nurAscii) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (mitBom || !utf8.hasError()) {
        return aufPlanerzeichen(text);
    }
    return cp1252Dekodieren(bytes);
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
            Datei_oeffnen(dienste, Importdateipfad, Kanalmodus::Input);
            const QString text = importtextDekodieren(dienste.kanal.restLesen());
            Datei_schliessen(dienste);

            const QString pfad = Pfad_zitieren(t, Importdateipfad);
            const auto leer = [&] {
                Meldung(dienste, t.importdateiLeer.arg(pfad));
                return std::nullopt;
            };
            Importzeilen zeilen(text);
            if (zeilen.ende()) {
                return leer();
            }
            Importdatei datei;
            datei.zeilen.resize(1);
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

            // At most one row per line end and never more than the row counter allows.
            const qsizetype zeilenenden = std::count_if(
                text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; });
            datei.zeilen.reserve(static_cast<std::size_t>(
                std::min<qsizetype>(zeilenenden + 1, std::numeric_limits<std::int16_t>::max())));
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
