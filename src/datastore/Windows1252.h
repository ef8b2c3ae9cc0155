#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace mi {

// The planner's single-byte text. Every byte survives a decode and encode
// unchanged, the five values Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) included: they travel as the C1 control characters of the same
// value, so a backup copies a planner line exactly.
QString cp1252Dekodieren(QByteArrayView bytes);

// A character the planner's files cannot hold is written as "?".
QByteArray cp1252Kodieren(QStringView text);
// The same, appended to ziel, or written to ziel, which has room for
// text.size() bytes; the latter returns how many it wrote.
void cp1252Anhaengen(QStringView text, QByteArray& ziel);
qsizetype cp1252Schreiben(QStringView text, char* ziel);

}  // namespace mi
