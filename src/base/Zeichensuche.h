#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace mi {

// Searches over whole texts that the check runs once per row or once per file,
// sixteen characters at a time where the processor has the instructions for it
// (every x86-64 does; base/Simd.h decides), one at a time elsewhere and in
// texts shorter than sixteen characters (base/Einzelsuche.h).

// The first position at or after ab holding a or b, or -1.
qsizetype einesVonZweiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b);

// The same for three characters.
qsizetype einesVonDreiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b, char16_t c);

// The first position at or after ab holding a character the check of a row
// looks at more closely, or -1: "|"; ":", or in a file separated by ":" the
// quote, since only a quoted field holds a ":" there; a control character
// other than CR, LF and the separator; and every character outside the
// printable ranges of ASCII and Latin-1, which the planner may not hold
// ("\u00FF" too, which the search cannot tell from those beyond 0xFF).
qsizetype pruefzeichenFinden(QStringView text, qsizetype ab, char16_t trennzeichen);

// The first byte at or after ab from 0x80 on, or -1.
qsizetype hohesByteFinden(QByteArrayView bytes, qsizetype ab);

// The positions holding a or b, in order, written to stellen; at most
// hoechstens of them, the number found returned.
int stellenSuchen(QStringView text, char16_t a, char16_t b, qsizetype* stellen, int hoechstens);

// Where a text holds what pruefzeichenFinden finds, asked for consecutive
// stretches of it: one search over the whole text, which runs ahead of the
// questions a piece at a time, short enough that what it has read is still in
// the processor's cache when the stretch is then read for other reasons. A text
// of megabytes searched at once would be read from memory twice.
class Voraussuche {
  public:
    Voraussuche(QStringView text, char16_t trennzeichen) : text_(text), sep_(trennzeichen) {}

    // Whether the text from von to bis holds such a character; von never goes back.
    bool enthaelt(qsizetype von, qsizetype bis);

    static constexpr qsizetype Strecke = 8192;  // characters searched ahead at a time

  private:
    QStringView text_;
    char16_t sep_;
    qsizetype gesucht_ = 0;   // searched up to here
    qsizetype naechste_ = 0;  // where the next such character is, or gesucht_ for none
};

// The n characters at p as a QString that does not own them, as
// QString::fromRawData makes it, without a call into Qt for each of the check's
// hundreds of thousands of fields.
inline QString rohtextBilden(const QChar* p, qsizetype n) {
    return QString(QString::DataPointer::fromRawData(reinterpret_cast<const char16_t*>(p), n));
}

// The same for the characters a view shows.
inline QString rohtextBilden(QStringView text) {
    return rohtextBilden(text.data(), text.size());
}

}  // namespace mi
