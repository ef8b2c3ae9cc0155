#include "base/Datum.h"

#include "base/Fehler.h"

#include <cstdlib>

namespace mi {

namespace {

void zweistellig(QChar* ziel, int zahl) {
    ziel[0] = QChar(u'0' + zahl / 10 % 10);
    ziel[1] = QChar(u'0' + zahl % 10);
}

}  // namespace

QString FormatDatumDS(const QDate& datum) {
    if (!datum.isValid()) {
        fehlerAusloesen(fehlernummer::Typenkonflikt,
                        QStringLiteral("modMitarbeiterImport - FormatDatumDS"));
    }
    // Written digit by digit: the check formats two dates for each of up to
    // 32,767 rows. A year before the common era keeps its sign when it has a
    // single digit, as the last two characters of its number.
    QString text(6, Qt::Uninitialized);
    QChar* ziel = text.data();
    if (datum.year() > -10 && datum.year() < 0) {
        ziel[0] = u'-';
        ziel[1] = QChar(u'0' - datum.year());
    } else {
        zweistellig(ziel, std::abs(datum.year()));
    }
    zweistellig(ziel + 2, datum.month());
    zweistellig(ziel + 4, datum.day());
    return text;
}

}  // namespace mi
