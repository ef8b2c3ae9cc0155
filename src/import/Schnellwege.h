#pragma once

#include "import/Gebietsformat.h"
#include "import/ImportZeile.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace mi {

// The check's fast paths beside their general twins. The check asks each fast
// path first and its twin only where the fast path decides nothing, so the two
// must give the same wherever the fast path decides; declared here so that
// each pair can be held against each other on the same inputs.

// A day value of up to five characters, digits with perhaps the decimal
// separator before the last; nothing for any other shape.
std::optional<Tageswert> kurzeZahlLesen(const char16_t* z, qsizetype n, char16_t dezimal);
// Any day value, its blanks already gone, as Gebietsformat::tageswertLesen reads it.
std::optional<Tageswert> zahlLesen(QStringView text, QChar dezimalzeichen, QChar minus, QChar plus);

// A line's fields, split at every separator in one search; nothing for a line
// with a quote among its first eleven separators and quotes. True when it has
// at most ten columns; a text row (">") gets its name alone.
std::optional<bool> ohneAnfuehrungTeilen(ImportZeile& zeile, QStringView text, QChar sep);
// The same for any line, its fields read as Feldzerleger reads them. A field
// with a doubled quote is a text of its own, kept in eigene for the row to
// point into; every other one is a piece of the line.
bool felderTeilen(ImportZeile& zeile, QStringView text, QChar sep, std::vector<QString>& eigene);

}  // namespace mi
