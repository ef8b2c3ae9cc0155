#pragma once

#include <QByteArrayView>
#include <QStringView>

// The searches of base/Zeichensuche.h one character at a time, as they run on
// a text shorter than sixteen characters and on a processor without vector
// instructions: declared apart so that each vector search can be held against
// its twin on the same texts.
namespace mi::einzeln {

qsizetype einesVonZweiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b);
qsizetype einesVonDreiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b, char16_t c);
qsizetype pruefzeichenFinden(QStringView text, qsizetype ab, char16_t trennzeichen);
qsizetype hohesByteFinden(QByteArrayView bytes, qsizetype ab);
int stellenSuchen(QStringView text, char16_t a, char16_t b, qsizetype* stellen, int hoechstens);

}  // namespace mi::einzeln
