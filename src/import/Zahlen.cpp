#include "import/Zahlen.h"

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

// The window Windows uses for two-digit years.
int jahrMitJahrhundert(int jahr, qsizetype stellen) {
    if (stellen == 4) {
        return jahr;
    }
    return jahr < 30 ? 2000 + jahr : 1900 + jahr;
}

std::optional<QDate> gueltig(int jahr, int monat, int tag) {
    const QDate datum(jahr, monat, tag);
    if (!datum.isValid()) {
        return std::nullopt;
    }
    return datum;
}

std::optional<QDate> iso8601(QStringView text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') {
        return std::nullopt;
    }
    const Ziffernfolge jahr = ziffernLesen(text, 0);
    const Ziffernfolge monat = ziffernLesen(text, 5);
    const Ziffernfolge tag = ziffernLesen(text, 8);
    if (jahr.stellen != 4 || monat.stellen != 2 || tag.stellen != 2) {
        return std::nullopt;
    }
    return gueltig(jahr.wert, monat.wert, tag.wert);
}

QChar ersterOder(const QString& text, char16_t ersatz) {
    return text.isEmpty() ? QChar(ersatz) : text.front();
}

}  // namespace

Gebietsformat::Gebietsformat(const QLocale& locale)
    : locale_(locale),
      kurzformat_(locale.dateFormat(QLocale::ShortFormat)),
      dezimal_(ersterOder(locale.decimalPoint(), u'.')),
      minus_(ersterOder(locale.negativeSign(), u'-')),
      plus_(ersterOder(locale.positiveSign(), u'+')) {
    // Only a pattern of day, month and year digits between fixed texts is read
    // here; any other (month names, weekdays) is left to the locale's parser.
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
        } else if (c == u'y' && (lauf == 2 || lauf == 4)) {
            teil = Teil::Jahr;
        } else {
            return;
        }
        const auto nr = static_cast<int>(teil);
        if (teile == 3 || gesehen[nr]) {
            return;
        }
        gesehen[nr] = true;
        m.folge[teile++] = teil;
    }
    if (teile == 3 && !m.literal[1].isEmpty() && !m.literal[2].isEmpty()) {
        muster_ = std::move(m);
    }
}

std::optional<QDate> Gebietsformat::nachMuster(QStringView text) const {
    const Datumsmuster& m = *muster_;
    int werte[3] = {0, 0, 0};
    qsizetype jahresstellen = 0;
    qsizetype pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (!text.sliced(pos).startsWith(m.literal[i])) {
            return std::nullopt;
        }
        pos += m.literal[i].size();
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
    if (text.sliced(pos) != m.literal[3]) {
        return std::nullopt;
    }
    const int jahr = jahrMitJahrhundert(werte[static_cast<int>(Teil::Jahr)], jahresstellen);
    return gueltig(jahr, werte[static_cast<int>(Teil::Monat)], werte[static_cast<int>(Teil::Tag)]);
}

std::optional<QDate> Gebietsformat::datum(QStringView text) const {
    const QStringView rein = text.trimmed();
    if (auto iso = iso8601(rein)) {
        return iso;
    }
    if (muster_) {
        return nachMuster(rein);
    }
    const QDate datum = locale_.toDate(rein.toString(), kurzformat_);
    if (!datum.isValid()) {
        return std::nullopt;
    }
    return datum;
}

std::optional<Tageswert> Gebietsformat::zahl(QStringView text) const {
    const QStringView rein = text.trimmed();
    qsizetype pos = 0;
    Tageswert wert;
    if (!rein.isEmpty() && (rein[0] == u'-' || rein[0] == minus_)) {
        wert.negativ = true;
        ++pos;
    } else if (!rein.isEmpty() && (rein[0] == u'+' || rein[0] == plus_)) {
        ++pos;
    }
    // The digits go to the range check as ASCII; the tenths are counted from
    // the digits themselves.
    std::string ascii(wert.negativ ? "-" : "");
    ascii.reserve(static_cast<std::size_t>(rein.size()));
    constexpr std::int64_t Obergrenze = std::int64_t{1} << 40;
    std::int64_t ganz = 0;
    int zehntelziffer = 0;
    int nachkomma = 0;  // decimal digits seen so far
    bool aufrunden = false;
    bool ziffern = false;
    bool komma = false;
    for (; pos < rein.size(); ++pos) {
        const QChar c = rein[pos];
        if (istZiffer(c)) {
            const int ziffer = c.unicode() - u'0';
            ascii += static_cast<char>(c.unicode());
            ziffern = true;
            if (!komma) {
                ganz = std::min(ganz * 10 + ziffer, Obergrenze);
            } else if (++nachkomma == 1) {
                zehntelziffer = ziffer;
            } else if (nachkomma == 2) {
                aufrunden = ziffer >= 5;
            }
        } else if (c == dezimal_ && !komma) {
            ascii += '.';
            komma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!ziffern) {
        return std::nullopt;
    }
    // Through double, so that only a value beyond single precision fails.
    double betrag = 0;
    const char* ende = ascii.data() + ascii.size();
    const auto [zeiger, fehler] =
        std::from_chars(ascii.data(), ende, betrag, std::chars_format::fixed);
    if (fehler != std::errc() || zeiger != ende ||
        std::fabs(betrag) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    wert.zehntel = ganz * 10 + zehntelziffer + (aufrunden ? 1 : 0);
    return wert;
}

QString Gebietsformat::zahlFormatieren(QStringView text) const {
    const QStringView rein = text.trimmed();
    return zahlFormatieren(rein.isEmpty() ? Tageswert{} : zahl(rein).value_or(Tageswert{}));
}

QString Gebietsformat::zahlFormatieren(Tageswert wert) const {
    const std::int64_t betrag = wert.zehntel;
    const auto ziffer = static_cast<char16_t>(u'0' + betrag % 10);
    // At most 999.9 and -99.9 fit the five characters; beyond that the integer
    // digits are clamped and the decimal digit kept.
    const int ganz = static_cast<int>(std::min<std::int64_t>(betrag / 10, 999));
    char16_t zeichen[5];
    qsizetype n = 0;
    if (wert.negativ && betrag > 0) {
        const int zweistellig = std::min(ganz, 99);
        zeichen[n++] = u'-';
        zeichen[n++] = static_cast<char16_t>(u'0' + zweistellig / 10);
        zeichen[n++] = static_cast<char16_t>(u'0' + zweistellig % 10);
    } else {
        zeichen[n++] = static_cast<char16_t>(u'0' + ganz / 100);
        zeichen[n++] = static_cast<char16_t>(u'0' + ganz / 10 % 10);
        zeichen[n++] = static_cast<char16_t>(u'0' + ganz % 10);
    }
    zeichen[n++] = dezimal_.unicode();
    zeichen[n++] = ziffer;
    return QString(reinterpret_cast<const QChar*>(zeichen), n);
}

QString Zahl_formatieren(const QLocale& gebietsschema, const QString& text) {
    return Gebietsformat(gebietsschema).zahlFormatieren(text);
}

}  // namespace mi
