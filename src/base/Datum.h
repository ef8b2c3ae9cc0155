#pragma once

#include <QDate>
#include <QString>

namespace mi {

// Six digits yymmdd; the time of day plays no part. An invalid date is the
// error "Type mismatch", reported as this procedure's.
QString FormatDatumDS(const QDate& datum);

}  // namespace mi
