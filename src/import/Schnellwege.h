#pragma once

#include "import/Zahlen.h"

#include <QChar>
#include <QStringView>
#include <optional>

namespace mi {

// The check's fast paths beside their general twins. The check asks each fast
// path first and its twin only where the fast path decides nothing, so the two
// must give the same wherever the fast path decides; declared here so that
// each pair can be held against each other on the same inputs.

// A day value of up to five characters, digits with perhaps the decimal
// separator before the last; nothing for any other shape.
std::optional<Tageswert> kurzeZahl(const char16_t* z, qsizetype n, char16_t dezimal);
// Any day value, its blanks already gone, as Gebietsformat::zahl reads it.
std::optional<Tageswert> zahlLesen(QStringView text, QChar dezimalzeichen, QChar minus, QChar plus);

}  // namespace mi
