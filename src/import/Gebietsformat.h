#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mi {

struct Kalendertag;

// A day value as the user wrote it, rounded to tenths half away from zero on
// its decimal digits (never through a binary fraction, so 0.35 is 0.4). The
// tenths stop growing far beyond what a day value can show.
struct Tageswert {
    bool negativ = false;
    std::int64_t zehntel = 0;  // the amount, without its sign
};

// How the user writes dates and numbers, worked out once per check from the
// locale, so that tens of thousands of fields are read without the locale's
// general (and slow) parser. Leading and trailing blanks never count.
class Gebietsformat {
  public:
    explicit Gebietsformat(const QLocale& locale);
    // The same with a short date format of the user's own (Windows lets a user
    // set one, "dd-MMM-yy" say, which the locale's name does not tell).
    Gebietsformat(const QLocale& locale, QString kurzformat);

    // The locale's short date, also with one-digit day and month and with a
    // two- or four-digit year, or ISO 8601 yyyy-mm-dd. Two-digit years 30 to 99
    // are 1930 to 1999, 00 to 29 are 2000 to 2029. Where the short date names
    // its month, the locale's month names and the English ones are read, in
    // any letter case, short or long, with or without a closing dot.
    std::optional<QDate> datumLesen(QStringView text) const;
    // The same as its parts.
    std::optional<Kalendertag> kalendertagLesen(QStringView text) const;

    // Digits with at most one locale decimal separator and an optional sign.
    // Group separators, exponents, "nan" and "inf" are no numbers, and neither
    // is a value beyond single precision.
    std::optional<Tageswert> tageswertLesen(QStringView text) const;

    // The day value form "000.0" (or "-00.0") with the locale's decimal
    // separator, clamped to -99.x and 999.x. Always five characters: anything
    // that is no number is zero, and so is a negative value that rounds to zero.
    QString tageswertNormieren(QStringView text) const;
    // The same for a value already read, so that a checked field is parsed once.
    QString tageswertNormieren(Tageswert wert) const;
    // The same five characters with the given decimal separator, written to ziel.
    static void tageswertSchreiben(Tageswert wert, QChar dezimal, QChar* ziel);
    static constexpr qsizetype Tageswertlaenge = 5;
    // The number of the five characters tageswertSchreiben writes for wert,
    // below Tageswertformen: two values get one number exactly when they are
    // written alike.
    static std::size_t formnummerBerechnen(Tageswert wert);
    static constexpr std::size_t Tageswertformen = 1000 + 10000;

    QChar dezimalzeichen() const { return dezimal_; }

  private:
    enum class Teil : char { Tag, Monat, Jahr, Monatsname };
    struct Datumsmuster {
        std::array<Teil, 3> folge;
        std::array<QString, 4> literal;  // before, between and after the three parts
    };
    struct Monatsname {
        QString name;
        int monat = 0;
    };

    static std::vector<Monatsname> monatsnamenSammeln(const QLocale& locale);
    std::optional<Kalendertag> nachMusterLesen(QStringView text) const;
    // Any other short date, by the locale's own parser.
    std::optional<Kalendertag> nachGebietsschemaLesen(QStringView text) const;
    // The month's name at pos, the longest that the literal danach follows;
    // nullptr for none.
    const Monatsname* monatLesen(QStringView text, qsizetype pos, QStringView danach) const;

    QLocale locale_;
    QString kurzformat_;
    std::optional<Datumsmuster> muster_;   // empty when the short date is no day, month and year
    std::vector<Monatsname> monatsnamen_;  // longest first; only where the short date names months
    QChar dezimal_;
    QChar minus_;
    QChar plus_;
};

// The day value form of text in the user's locale, as tageswertNormieren writes it.
QString Zahl_formatieren(const QLocale& gebietsschema, const QString& text);

}  // namespace mi
