#include "base/Datum.h"

#include "base/Fehler.h"

#include <QCalendar>
#include <cstdlib>

namespace mi {

namespace {

void zweistellig(QChar* ziel, int zahl) {
    ziel[0] = QChar(u'0' + zahl / 10 % 10);
    ziel[1] = QChar(u'0' + zahl % 10);
}

}  // namespace

QString FormatDatumDS(const QDate& datum) {
    QString text(6, Qt::Uninitialized);
    FormatDatumDSIn(datum, text.data());
    return text;
}

void FormatDatumDSIn(const QDate& datum, QChar* ziel) {
    FormatDatumDSIn(Kalendertag::aus(datum), ziel);
}

void FormatDatumDSIn(const Kalendertag& datum, QChar* ziel) {
    if (!datum.gueltig()) {
        fehlerAusloesen(fehlernummer::Typenkonflikt,
                        QStringLiteral("modMitarbeiterImport - FormatDatumDS"));
    }
    // Written digit by digit: the check formats two dates for each of up to
    // 32,767 rows. A year before the common era keeps its sign when it has a
    // single digit, as the last two characters of its number.
    if (datum.jahr > -10 && datum.jahr < 0) {
        ziel[0] = u'-';
        ziel[1] = QChar(u'0' - datum.jahr);
    } else {
        zweistellig(ziel, std::abs(datum.jahr));
    }
    zweistellig(ziel + 2, datum.monat);
    zweistellig(ziel + 4, datum.tag);
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

Kalendertag Kalendertag::aus(const QDate& datum) {
    if (!datum.isValid()) {
        return {};
    }
    const QCalendar::YearMonthDay teile = QCalendar().partsFromDate(datum);
    return {teile.year, teile.month, teile.day};
}

}  // namespace mi
