#pragma once

#include <QDate>
#include <QString>

namespace mi {

// A day of the calendar as its parts, for the many dates the check reads
// without the calendar arithmetic a QDate does for each part it is asked for.
struct Kalendertag {
    int jahr = 0;
    int monat = 0;
    int tag = 0;

    // As QDate has it: a proleptic Gregorian day of a year other than 0.
    bool gueltig() const;
    static Kalendertag datumZerlegen(const QDate& datum);
};

// Six digits yymmdd; the time of day plays no part. An invalid date is the
// error "Type mismatch", reported as this procedure's.
QString FormatDatumDS(const QDate& datum);
// The same six characters written to ziel.
void datumSchreiben(const QDate& datum, QChar* ziel);
void datumSchreiben(const Kalendertag& datum, QChar* ziel);
// The same for a day known to be valid, as the check has up to 65,534 of them.
void gueltigenTagSchreiben(const Kalendertag& datum, QChar* ziel);

}  // namespace mi
