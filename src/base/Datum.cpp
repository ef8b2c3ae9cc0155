#include "base/Datum.h"

#include "base/Fehler.h"

#include <QCalendar>
#include <array>
#include <cstdlib>

namespace mi {

namespace {

// "00" to "99", so a date is written without a division.
constexpr std::array<std::array<char16_t, 2>, 100> Ziffernpaare = [] {
    std::array<std::array<char16_t, 2>, 100> tafel{};
    for (int i = 0; i < 100; ++i) {
        tafel[static_cast<std::size_t>(i)] = {static_cast<char16_t>(u'0' + i / 10),
                                              static_cast<char16_t>(u'0' + i % 10)};
    }
    return tafel;
}();

void zweistelligSchreiben(QChar* ziel, int zahl) {
    const auto& ziffern = Ziffernpaare[static_cast<std::size_t>(zahl % 100)];
    ziel[0] = ziffern[0];
    ziel[1] = ziffern[1];
}

}  // namespace

QString FormatDatumDS(const QDate& datum) {
    QString text(6, Qt::Uninitialized);
    datumSchreiben(datum, text.data());
    return text;
}

void datumSchreiben(const QDate& datum, QChar* ziel) {
    datumSchreiben(Kalendertag::datumZerlegen(datum), ziel);
}

void datumSchreiben(const Kalendertag& datum, QChar* ziel) {
    if (!datum.gueltig()) {
        fehlerAusloesen(fehlernummer::Typenkonflikt,
                        QStringLiteral("modMitarbeiterImport - FormatDatumDS"));
    }
    gueltigenTagSchreiben(datum, ziel);
}

void gueltigenTagSchreiben(const Kalendertag& datum, QChar* ziel) {
    // A year before the common era keeps its sign when it has a single digit,
    // as the last two characters of its number.
    if (datum.jahr > -10 && datum.jahr < 0) {
        ziel[0] = u'-';
        ziel[1] = QChar(u'0' - datum.jahr);
    } else {
        zweistelligSchreiben(ziel, std::abs(datum.jahr));
    }
    zweistelligSchreiben(ziel + 2, datum.monat);
    zweistelligSchreiben(ziel + 4, datum.tag);
}

bool Kalendertag::gueltig() const {
    if (jahr == 0 || monat < 1 || monat > 12 || tag < 1) {
        return false;
    }
    // Before the common era the leap years are 1, 5, 9 … BC, as QDate counts them.
    const int j = jahr < 0 ? jahr + 1 : jahr;
    const bool schaltjahr = (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
    constexpr int Tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return tag <= Tage[monat - 1] + (monat == 2 && schaltjahr ? 1 : 0);
}

Kalendertag Kalendertag::datumZerlegen(const QDate& datum) {
    if (!datum.isValid()) {
        return {};
    }
    const QCalendar::YearMonthDay teile = QCalendar().partsFromDate(datum);
    return {teile.year, teile.month, teile.day};
}

}  // namespace mi
