#include "import/Gebietsformat.h"

#include "base/Datum.h"
#include "import/Schnellwege.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace mi {

namespace {

bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The run of ASCII digits at pos, as a value and a digit count.
struct Ziffernfolge {
    int wert = 0;
    qsizetype stellen = 0;
};

Ziffernfolge ziffernLesen(QStringView text, qsizetype pos) {
    Ziffernfolge z;
    while (pos + z.stellen < text.size() && istZiffer(text[pos + z.stellen]) && z.stellen < 5) {
        z.wert = z.wert * 10 + (text[pos + z.stellen].unicode() - u'0');
        ++z.stellen;
    }
    return z;
}

// Whether text holds teil at pos; compared in place, since a date's
// separators are a character or two.
bool stehtBei(QStringView text, qsizetype pos, QStringView teil) {
    if (text.size() - pos < teil.size()) {
        return false;
    }
    for (qsizetype i = 0; i < teil.size(); ++i) {
        if (text[pos + i] != teil[i]) {
            return false;
        }
    }
    return true;
}

// The window Windows uses for two-digit years.
int jahrhundertErgaenzen(int jahr, qsizetype stellen) {
    if (stellen == 4) {
        return jahr;
    }
    return jahr < 30 ? 2000 + jahr : 1900 + jahr;
}

std::optional<Kalendertag> gueltigenTagBilden(int jahr, int monat, int tag) {
    const Kalendertag datum{jahr, monat, tag};
    if (!datum.gueltig()) {
        return std::nullopt;
    }
    return datum;
}

std::optional<Kalendertag> iso8601Lesen(QStringView text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') {
        return std::nullopt;
    }
    const Ziffernfolge jahr = ziffernLesen(text, 0);
    const Ziffernfolge monat = ziffernLesen(text, 5);
    const Ziffernfolge tag = ziffernLesen(text, 8);
    if (jahr.stellen != 4 || monat.stellen != 2 || tag.stellen != 2) {
        return std::nullopt;
    }
    return gueltigenTagBilden(jahr.wert, monat.wert, tag.wert);
}

// Blanks around a value never count; most values have none, which is seen
// without a call.
inline QStringView beschneiden(QStringView text) {
    // A printable ASCII character is no blank: one comparison for most.
    const auto keinLeerzeichen = [](QChar c) {
        return c.unicode() - 0x21U < 0x5EU || !c.isSpace();
    };
    if (text.isEmpty() || (keinLeerzeichen(text.front()) && keinLeerzeichen(text.back()))) {
        return text;
    }
    return text.trimmed();
}

QChar erstesZeichenNehmen(const QString& text, char16_t ersatz) {
    return text.isEmpty() ? QChar(ersatz) : text.front();
}

}  // namespace

// Every way a month may be named: the locale's and the English names, short
// and long, within a date and standing alone, each also without its closing
// dot ("Sept." and "Sept"). The longest come first, so that "Juni" is not
// read as "Jun" with an "i" left over.
std::vector<Gebietsformat::Monatsname> Gebietsformat::monatsnamenSammeln(const QLocale& locale) {
    std::vector<Monatsname> namen;
    for (const QLocale& l : {locale, QLocale(QLocale::English)}) {
        for (int monat = 1; monat <= 12; ++monat) {
            for (const QLocale::FormatType art : {QLocale::ShortFormat, QLocale::LongFormat}) {
                for (QString name : {l.monthName(monat, art), l.standaloneMonthName(monat, art)}) {
                    if (name.endsWith(u'.')) {
                        namen.push_back({name, monat});
                        name.chop(1);
                    }
                    namen.push_back({name, monat});
                }
            }
        }
    }
    std::stable_sort(namen.begin(), namen.end(), [](const Monatsname& a, const Monatsname& b) {
        return a.name.size() > b.name.size();
    });
    return namen;
}

Gebietsformat::Gebietsformat(const QLocale& locale)
    : Gebietsformat(locale, locale.dateFormat(QLocale::ShortFormat)) {}

Gebietsformat::Gebietsformat(const QLocale& locale, QString kurzformat)
    : locale_(locale),
      kurzformat_(std::move(kurzformat)),
      dezimal_(erstesZeichenNehmen(locale.decimalPoint(), u'.')),
      minus_(erstesZeichenNehmen(locale.negativeSign(), u'-')),
      plus_(erstesZeichenNehmen(locale.positiveSign(), u'+')) {
    // Only a pattern of day, month (digits or a name) and year between fixed
    // texts is read here; any other (weekdays, say) is left to the locale's parser.
    Datumsmuster m;
    int teile = 0;
    bool gesehen[3] = {false, false, false};
    for (qsizetype i = 0; i < kurzformat_.size();) {
        const QChar c = kurzformat_[i];
        if (c == u'\'') {
            const qsizetype ende = kurzformat_.indexOf(u'\'', i + 1);
            const qsizetype bis = ende < 0 ? kurzformat_.size() : ende;
            m.literal[teile] +=
                ende == i + 1 ? QStringLiteral("'") : kurzformat_.sliced(i + 1, bis - i - 1);
            i = bis + 1;
            continue;
        }
        if (!c.isLetter()) {
            m.literal[teile] += c;
            ++i;
            continue;
        }
        qsizetype lauf = 1;
        while (i + lauf < kurzformat_.size() && kurzformat_[i + lauf] == c) {
            ++lauf;
        }
        i += lauf;
        Teil teil;
        if (c == u'd' && lauf <= 2) {
            teil = Teil::Tag;
        } else if (c == u'M' && lauf <= 2) {
            teil = Teil::Monat;
        } else if (c == u'M' && lauf <= 4) {
            teil = Teil::Monatsname;
        } else if (c == u'y' && (lauf == 2 || lauf == 4)) {
            teil = Teil::Jahr;
        } else {
            return;
        }
        const auto nr = static_cast<int>(teil == Teil::Monatsname ? Teil::Monat : teil);
        if (teile == 3 || gesehen[nr]) {
            return;
        }
        gesehen[nr] = true;
        m.folge[teile++] = teil;
    }
    if (teile == 3 && !m.literal[1].isEmpty() && !m.literal[2].isEmpty()) {
        if (std::find(m.folge.begin(), m.folge.end(), Teil::Monatsname) != m.folge.end()) {
            monatsnamen_ = monatsnamenSammeln(locale_);
        }
        muster_ = std::move(m);
    }
}

const Gebietsformat::Monatsname* Gebietsformat::monatLesen(QStringView text, qsizetype pos,
                                                           QStringView danach) const {
    const QStringView rest = text.sliced(pos);
    for (const Monatsname& m : monatsnamen_) {
        if (rest.startsWith(m.name, Qt::CaseInsensitive) &&
            rest.sliced(m.name.size()).startsWith(danach)) {
            return &m;
        }
    }
    return nullptr;
}

std::optional<Kalendertag> Gebietsformat::nachMusterLesen(QStringView text) const {
    const Datumsmuster& m = *muster_;
    int werte[3] = {0, 0, 0};
    qsizetype jahresstellen = 0;
    qsizetype pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (!stehtBei(text, pos, m.literal[i])) {
            return std::nullopt;
        }
        pos += m.literal[i].size();
        if (m.folge[i] == Teil::Monatsname) {
            const Monatsname* name = monatLesen(text, pos, m.literal[i + 1]);
            if (name == nullptr) {
                return std::nullopt;
            }
            werte[static_cast<int>(Teil::Monat)] = name->monat;
            pos += name->name.size();
            continue;
        }
        const Ziffernfolge z = ziffernLesen(text, pos);
        const bool passt = m.folge[i] == Teil::Jahr ? (z.stellen == 2 || z.stellen == 4)
                                                    : (z.stellen == 1 || z.stellen == 2);
        if (!passt) {
            return std::nullopt;
        }
        werte[static_cast<int>(m.folge[i])] = z.wert;
        if (m.folge[i] == Teil::Jahr) {
            jahresstellen = z.stellen;
        }
        pos += z.stellen;
    }
    if (text.size() - pos != m.literal[3].size() || !stehtBei(text, pos, m.literal[3])) {
        return std::nullopt;
    }
    const int jahr = jahrhundertErgaenzen(werte[static_cast<int>(Teil::Jahr)], jahresstellen);
    return gueltigenTagBilden(jahr, werte[static_cast<int>(Teil::Monat)],
                              werte[static_cast<int>(Teil::Tag)]);
}

std::optional<Kalendertag> Gebietsformat::kalendertagLesen(QStringView text) const {
    const QStringView rein = beschneiden(text);
    if (auto iso = iso8601Lesen(rein)) {
        return iso;
    }
    if (muster_) {
        return nachMusterLesen(rein);
    }
    return nachGebietsschemaLesen(rein);
}

std::optional<Kalendertag> Gebietsformat::nachGebietsschemaLesen(QStringView text) const {
    const QDate datum = locale_.toDate(text.toString(), kurzformat_);
    if (!datum.isValid()) {
        return std::nullopt;
    }
    Kalendertag tag = Kalendertag::datumZerlegen(datum);
    // The locale's parser puts every two-digit year into the 1900s.
    if (!kurzformat_.contains(QStringLiteral("yyyy")) && tag.jahr < 1930) {
        tag.jahr += 100;
    }
    return tag;
}

std::optional<QDate> Gebietsformat::datumLesen(QStringView text) const {
    const auto tag = kalendertagLesen(text);
    if (!tag) {
        return std::nullopt;
    }
    return QDate(tag->jahr, tag->monat, tag->tag);
}

namespace {

// Whether the digits, with "." for the decimal separator, stay within single
// precision: any value of at most 38 integer digits does (FLT_MAX is about
// 3.4e38), so only a longer one is converted to find out.
bool langeZahlPasstInEinfacheGenauigkeit(QStringView ziffern, QChar dezimal) {
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(ziffern.size()));
    for (const QChar c : ziffern) {
        ascii += c == dezimal ? '.' : static_cast<char>(c.unicode());
    }
    double betrag = 0;
    const char* ende = ascii.data() + ascii.size();
    const auto [zeiger, fehler] =
        std::from_chars(ascii.data(), ende, betrag, std::chars_format::fixed);
    return fehler == std::errc() && zeiger == ende &&
           std::fabs(betrag) <= std::numeric_limits<float>::max();
}

// The integer digits from the first that is not 0.
qsizetype ganzstellenZaehlen(QStringView ziffern, QChar dezimal) {
    qsizetype stellen = 0;
    for (const QChar c : ziffern) {
        if (c == dezimal) {
            break;
        }
        stellen += (stellen > 0 || c != u'0') ? 1 : 0;
    }
    return stellen;
}

bool passtInEinfacheGenauigkeit(QStringView ziffern, QChar dezimal) {
    return ganzstellenZaehlen(ziffern, dezimal) <= 38 ||
           langeZahlPasstInEinfacheGenauigkeit(ziffern, dezimal);
}

// "000" to "999", so a day value is written without a division.
constexpr std::array<std::array<char16_t, 3>, 1000> Zifferntripel = [] {
    std::array<std::array<char16_t, 3>, 1000> tafel{};
    for (int i = 0; i < 1000; ++i) {
        tafel[static_cast<std::size_t>(i)] = {static_cast<char16_t>(u'0' + i / 100),
                                              static_cast<char16_t>(u'0' + i / 10 % 10),
                                              static_cast<char16_t>(u'0' + i % 10)};
    }
    return tafel;
}();

}  // namespace

// Most day values are up to four digits, perhaps with one decimal digit: read
// at once. Nothing for any other shape, which the full reading decides.
std::optional<Tageswert> kurzeZahlLesen(const char16_t* z, qsizetype n, char16_t dezimal) {
    if (n == 0 || n > 5) {
        return std::nullopt;
    }
    const qsizetype komma = n >= 2 && z[n - 2] == dezimal ? n - 2 : n;
    std::int64_t zehntel = 0;
    for (qsizetype i = 0; i < komma; ++i) {
        const unsigned ziffer = static_cast<unsigned>(z[i]) - u'0';
        if (ziffer > 9) {
            return std::nullopt;
        }
        zehntel = zehntel * 10 + ziffer;
    }
    zehntel *= 10;
    if (komma < n) {
        const unsigned ziffer = static_cast<unsigned>(z[n - 1]) - u'0';
        if (ziffer > 9) {
            return std::nullopt;
        }
        zehntel += ziffer;
    }
    return Tageswert{false, zehntel};
}

std::optional<Tageswert> zahlLesen(QStringView text, QChar dezimalzeichen, QChar minus,
                                   QChar plus) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    Tageswert wert;
    // Most values begin with a digit; only another first character is a sign.
    if (n > 0 && static_cast<unsigned>(z[0]) - u'0' > 9) {
        if (z[0] == u'-' || z[0] == minus.unicode()) {
            wert.negativ = true;
            ++pos;
        } else if (z[0] == u'+' || z[0] == plus.unicode()) {
            ++pos;
        }
    }
    // The tenths are counted from the digits themselves.
    constexpr std::int64_t Obergrenze = std::int64_t{1} << 40;
    const qsizetype anfang = pos;
    const char16_t dezimal = dezimalzeichen.unicode();
    std::int64_t ganz = 0;
    int zehntelziffer = 0;
    int nachkomma = -1;  // decimal digits seen so far, -1 before the separator
    bool aufrunden = false;
    bool ziffern = false;
    for (; pos < n; ++pos) {
        const unsigned ziffer = static_cast<unsigned>(z[pos]) - u'0';
        if (ziffer <= 9) {
            ziffern = true;
            if (nachkomma < 0) {
                ganz = std::min(ganz * 10 + ziffer, Obergrenze);
            } else if (++nachkomma == 1) {
                zehntelziffer = static_cast<int>(ziffer);
            } else if (nachkomma == 2) {
                aufrunden = ziffer >= 5;
            }
        } else if (z[pos] == dezimal && nachkomma < 0) {
            nachkomma = 0;
        } else {
            return std::nullopt;
        }
    }
    // Below the bound the value has at most 13 integer digits, which single
    // precision always holds.
    if (!ziffern ||
        (ganz == Obergrenze && !passtInEinfacheGenauigkeit(text.sliced(anfang), dezimalzeichen))) {
        return std::nullopt;
    }
    wert.zehntel = ganz * 10 + zehntelziffer + (aufrunden ? 1 : 0);
    return wert;
}

std::optional<Tageswert> Gebietsformat::tageswertLesen(QStringView text) const {
    const QStringView rein = beschneiden(text);
    if (const auto kurz = kurzeZahlLesen(rein.utf16(), rein.size(), dezimal_.unicode())) {
        return kurz;
    }
    return zahlLesen(rein, dezimal_, minus_, plus_);
}

QString Gebietsformat::tageswertNormieren(QStringView text) const {
    const QStringView rein = beschneiden(text);
    return tageswertNormieren(rein.isEmpty() ? Tageswert{}
                                             : tageswertLesen(rein).value_or(Tageswert{}));
}

QString Gebietsformat::tageswertNormieren(Tageswert wert) const {
    QChar zeichen[Tageswertlaenge];
    tageswertSchreiben(wert, dezimal_, zeichen);
    return QString(zeichen, Tageswertlaenge);
}

void Gebietsformat::tageswertSchreiben(Tageswert wert, QChar dezimal, QChar* ziel) {
    const std::int64_t betrag = wert.zehntel;
    // At most 999.9 and -99.9 fit the five characters; beyond that the integer
    // digits are clamped and the decimal digit kept.
    const std::int64_t ganz = betrag / 10;
    if (wert.negativ && betrag > 0) {
        const auto& ziffern =
            Zifferntripel[static_cast<std::size_t>(std::min<std::int64_t>(ganz, 99))];
        ziel[0] = u'-';
        ziel[1] = ziffern[1];
        ziel[2] = ziffern[2];
    } else {
        const auto& ziffern =
            Zifferntripel[static_cast<std::size_t>(std::min<std::int64_t>(ganz, 999))];
        ziel[0] = ziffern[0];
        ziel[1] = ziffern[1];
        ziel[2] = ziffern[2];
    }
    ziel[3] = dezimal;
    ziel[4] = QChar(u'0' + static_cast<int>(betrag - ganz * 10));
}

std::size_t Gebietsformat::formnummerBerechnen(Tageswert wert) {
    const std::int64_t betrag = wert.zehntel;
    const std::int64_t zehntel = betrag % 10;
    if (wert.negativ && betrag > 0) {
        return static_cast<std::size_t>(std::min<std::int64_t>(betrag / 10, 99) * 10 + zehntel);
    }
    return 1000 + static_cast<std::size_t>(std::min<std::int64_t>(betrag / 10, 999) * 10 + zehntel);
}

QString Zahl_formatieren(const QLocale& gebietsschema, const QString& text) {
    return Gebietsformat(gebietsschema).tageswertNormieren(text);
}

}  // namespace mi
