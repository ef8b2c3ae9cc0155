#pragma once

#include <QString>

namespace mi {

// Every occurrence of suche in text replaced by ersatz, comparing exact
// character codes, left to right; a replacement is never searched again.
QString Ersetzen(const QString& text, const QString& suche, const QString& ersatz);

}  // namespace mi
