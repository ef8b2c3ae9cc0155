#include "datastore/Windows1252.h"

#include <array>

namespace mi {

namespace {

// 0x80 to 0x9F; the rest of the byte range maps to the same code point.
constexpr std::array<char16_t, 32> Bereich80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char zeichenKodieren(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < Bereich80.size(); ++i) {
        if (Bereich80[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

QString cp1252Dekodieren(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (const char b : bytes) {
        const auto wert = static_cast<unsigned char>(b);
        *ziel++ = (wert >= 0x80 && wert < 0xA0) ? Bereich80[wert - 0x80] : char16_t{wert};
    }
    return text;
}

QByteArray cp1252Kodieren(QStringView text) {
    QByteArray bytes;
    cp1252Anhaengen(text, bytes);
    return bytes;
}

void cp1252Anhaengen(QStringView text, QByteArray& ziel) {
    const qsizetype bisher = ziel.size();
    ziel.resize(bisher + text.size());
    ziel.truncate(bisher + cp1252Schreiben(text, ziel.data() + bisher));
}

qsizetype cp1252Schreiben(QStringView text, char* ziel) {
    const char16_t* quelle = text.utf16();
    const qsizetype n = text.size();
    // Mostly plain ASCII, a byte for a character, until the first other one.
    qsizetype i = 0;
    for (; i < n && quelle[i] < 0x80; ++i) {
        ziel[i] = static_cast<char>(quelle[i]);
    }
    qsizetype laenge = i;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        // A character beyond the 16-bit range is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        ziel[laenge++] = zeichenKodieren(c.unicode());
    }
    return laenge;
}

}  // namespace mi
