#include "base/Zeichensuche.h"

#include "base/Einzelsuche.h"
#include "base/Simd.h"

#include <algorithm>
#include <array>
#include <bit>

namespace mi {

namespace {

#ifdef MI_SSE2
constexpr qsizetype Achter = 8;       // UTF-16 characters in sixteen bytes
constexpr qsizetype Sechzehner = 16;  // in two such loads

__m128i achtLaden(const char16_t* zeichen) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen));
}

// The sixteen characters from zeichen narrowed to bytes, with saturation:
// every character beyond 0xFF becomes 0x00 or 0xFF, so none of them equals a
// character from 0x01 to 0xFE, and sixteen are compared at once.
__m128i sechzehnBytesLaden(const char16_t* zeichen) {
    return _mm_packus_epi16(achtLaden(zeichen), achtLaden(zeichen + Achter));
}

bool alsByteVergleichbar(char16_t c) {
    return c >= 0x01 && c <= 0xFE;
}

// One bit per character of the sixteen from a position that is one of N
// characters from 0x01 to 0xFE.
template <std::size_t N>
struct Bytesuche {
    explicit Bytesuche(const std::array<char16_t, N>& zeichen) {
        for (std::size_t i = 0; i < N; ++i) {
            muster[i] = _mm_set1_epi8(static_cast<char>(zeichen[i]));
        }
    }

    unsigned operator()(const char16_t* zeichen) const {
        const __m128i b = sechzehnBytesLaden(zeichen);
        __m128i treffer = _mm_cmpeq_epi8(b, muster[0]);
        for (std::size_t i = 1; i < N; ++i) {
            treffer = _mm_or_si128(treffer, _mm_cmpeq_epi8(b, muster[i]));
        }
        return static_cast<unsigned>(_mm_movemask_epi8(treffer));
    }

    __m128i muster[N];
};

// The same for N characters of any value, compared as the 16-bit values
// they are, eight at a time.
template <std::size_t N>
struct Wortsuche {
    explicit Wortsuche(const std::array<char16_t, N>& zeichen) {
        for (std::size_t i = 0; i < N; ++i) {
            muster[i] = _mm_set1_epi16(static_cast<short>(zeichen[i]));
        }
    }

    unsigned operator()(const char16_t* zeichen) const {
        return static_cast<unsigned>(_mm_movemask_epi8(
            _mm_packs_epi16(achtVergleichen(zeichen), achtVergleichen(zeichen + Achter))));
    }

    __m128i achtVergleichen(const char16_t* zeichen) const {
        const __m128i w = achtLaden(zeichen);
        __m128i treffer = _mm_cmpeq_epi16(w, muster[0]);
        for (std::size_t i = 1; i < N; ++i) {
            treffer = _mm_or_si128(treffer, _mm_cmpeq_epi16(w, muster[i]));
        }
        return treffer;
    }

    __m128i muster[N];
};
#endif

// What pruefzeichenFinden looks for, one character at a time.
bool istPruefzeichen(char16_t c, char16_t sep, char16_t zweites) {
    if (c == u'|' || c == zweites) {
        return true;
    }
    if (c == u'\r' || c == u'\n' || c == sep) {
        return false;
    }
    return !((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFE));
}

// In a file separated by ":" only a quoted field can hold one.
char16_t zweitesPruefzeichenWaehlen(char16_t sep) {
    return sep == u':' ? u'"' : u':';
}

#ifdef MI_SSE2
// The hits of the sixteen characters from i on, or for a shorter rest of at
// least sixteen characters in all, of the last sixteen with those before i
// dropped: no character-by-character tail. Bit k stands for position i + k.
template <typename Treffer16>
unsigned trefferLesen(const char16_t* z, qsizetype i, qsizetype n, Treffer16 treffer16) {
    if (i + Sechzehner <= n) {
        return treffer16(z + i);
    }
    return treffer16(z + n - Sechzehner) >> (i - (n - Sechzehner));
}

// The first hit at or after ab in a text of at least sixteen characters.
template <typename Treffer16>
qsizetype erstenTrefferFinden(const char16_t* z, qsizetype ab, qsizetype n, Treffer16 treffer16) {
    for (qsizetype i = ab; i < n; i += Sechzehner) {
        if (const unsigned bits = trefferLesen(z, i, n, treffer16); bits != 0) {
            return i + std::countr_zero(bits);
        }
    }
    return -1;
}

// One bit per character of the sixteen from zeichen that pruefzeichenFinden
// finds. The characters are narrowed to bytes first, with saturation: every
// one beyond 0xFF becomes 0x00 or 0xFF, both of which it finds, so sixteen go
// through each test at once. A printable character of ASCII (0x20 to 0x7E)
// or Latin-1 (0xA0 to 0xFE) is, once 0x20 is taken off and bit 7 cleared, at
// most 0x5E; everything else is more.
struct Pruefmuster {
    explicit Pruefmuster(char16_t sep)
        : trenner(_mm_set1_epi8(static_cast<char>(sep))),
          zweites(_mm_set1_epi8(static_cast<char>(zweitesPruefzeichenWaehlen(sep)))) {}

    unsigned operator()(const char16_t* zeichen) const {
        const __m128i b = sechzehnBytesLaden(zeichen);
        const __m128i verschoben =
            _mm_and_si128(_mm_sub_epi8(b, _mm_set1_epi8(0x20)), _mm_set1_epi8(0x7F));
        const __m128i druckbar =
            _mm_cmpeq_epi8(_mm_subs_epu8(verschoben, _mm_set1_epi8(0x5E)), _mm_setzero_si128());
        const __m128i zeilenende = _mm_or_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8('\r')),
                                                _mm_cmpeq_epi8(b, _mm_set1_epi8('\n')));
        const __m128i erlaubt =
            _mm_or_si128(_mm_or_si128(druckbar, zeilenende), _mm_cmpeq_epi8(b, trenner));
        const __m128i verboten =
            _mm_or_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8('|')), _mm_cmpeq_epi8(b, zweites));
        return ~static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(verboten, erlaubt))) &
               0xFFFFU;
    }

    __m128i trenner;
    __m128i zweites;
};
#endif

}  // namespace

namespace einzeln {

qsizetype hohesByteFinden(QByteArrayView bytes, qsizetype ab) {
    const char* b = bytes.data();
    for (qsizetype i = ab; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(b[i]) >= 0x80) {
            return i;
        }
    }
    return -1;
}

qsizetype einesVonZweiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b) {
    const char16_t* z = text.utf16();
    for (qsizetype i = ab; i < text.size(); ++i) {
        if (z[i] == a || z[i] == b) {
            return i;
        }
    }
    return -1;
}

qsizetype einesVonDreiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b, char16_t c) {
    const char16_t* z = text.utf16();
    for (qsizetype i = ab; i < text.size(); ++i) {
        if (z[i] == a || z[i] == b || z[i] == c) {
            return i;
        }
    }
    return -1;
}

qsizetype pruefzeichenFinden(QStringView text, qsizetype ab, char16_t trennzeichen) {
    const char16_t* z = text.utf16();
    const char16_t zweites = zweitesPruefzeichenWaehlen(trennzeichen);
    for (qsizetype i = ab; i < text.size(); ++i) {
        if (istPruefzeichen(z[i], trennzeichen, zweites)) {
            return i;
        }
    }
    return -1;
}

int stellenSuchen(QStringView text, char16_t a, char16_t b, qsizetype* stellen, int hoechstens) {
    const char16_t* z = text.utf16();
    int anzahl = 0;
    for (qsizetype i = 0; i < text.size() && anzahl < hoechstens; ++i) {
        if (z[i] == a || z[i] == b) {
            stellen[anzahl++] = i;
        }
    }
    return anzahl;
}

}  // namespace einzeln

qsizetype hohesByteFinden(QByteArrayView bytes, qsizetype ab) {
    qsizetype i = ab;
#ifdef MI_SSE2
    const char* b = bytes.data();
    for (; i + Sechzehner <= bytes.size(); i += Sechzehner) {
        const auto bits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i))));
        if (bits != 0) {
            return i + std::countr_zero(bits);
        }
    }
#endif
    return einzeln::hohesByteFinden(bytes, i);
}

qsizetype einesVonZweiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b) {
#ifdef MI_SSE2
    if (const qsizetype n = text.size(); n >= Sechzehner) {
        const char16_t* z = text.utf16();
        if (alsByteVergleichbar(a) && alsByteVergleichbar(b)) {
            return erstenTrefferFinden(z, ab, n, Bytesuche<2>({a, b}));
        }
        return erstenTrefferFinden(z, ab, n, Wortsuche<2>({a, b}));
    }
#endif
    return einzeln::einesVonZweiFinden(text, ab, a, b);
}

qsizetype einesVonDreiFinden(QStringView text, qsizetype ab, char16_t a, char16_t b, char16_t c) {
#ifdef MI_SSE2
    if (const qsizetype n = text.size(); n >= Sechzehner) {
        const char16_t* z = text.utf16();
        if (alsByteVergleichbar(a) && alsByteVergleichbar(b) && alsByteVergleichbar(c)) {
            return erstenTrefferFinden(z, ab, n, Bytesuche<3>({a, b, c}));
        }
        return erstenTrefferFinden(z, ab, n, Wortsuche<3>({a, b, c}));
    }
#endif
    return einzeln::einesVonDreiFinden(text, ab, a, b, c);
}

qsizetype pruefzeichenFinden(QStringView text, qsizetype ab, char16_t trennzeichen) {
#ifdef MI_SSE2
    if (const qsizetype n = text.size(); n >= Sechzehner) {
        return erstenTrefferFinden(text.utf16(), ab, n, Pruefmuster(trennzeichen));
    }
#endif
    return einzeln::pruefzeichenFinden(text, ab, trennzeichen);
}

#ifdef MI_SSE2
namespace {

// Every hit, in order, at most hoechstens of them, in a text of at least
// sixteen characters.
template <typename Treffer16>
int alleTrefferSammeln(const char16_t* z, qsizetype n, Treffer16 treffer16, qsizetype* stellen,
                       int hoechstens) {
    int anzahl = 0;
    for (qsizetype i = 0; i < n; i += Sechzehner) {
        for (unsigned bits = trefferLesen(z, i, n, treffer16); bits != 0; bits &= bits - 1) {
            if (anzahl == hoechstens) {
                return anzahl;
            }
            stellen[anzahl++] = i + std::countr_zero(bits);
        }
    }
    return anzahl;
}

}  // namespace
#endif

int stellenSuchen(QStringView text, char16_t a, char16_t b, qsizetype* stellen, int hoechstens) {
#ifdef MI_SSE2
    if (const qsizetype n = text.size(); n >= Sechzehner) {
        const char16_t* z = text.utf16();
        if (alsByteVergleichbar(a) && alsByteVergleichbar(b)) {
            return alleTrefferSammeln(z, n, Bytesuche<2>({a, b}), stellen, hoechstens);
        }
        return alleTrefferSammeln(z, n, Wortsuche<2>({a, b}), stellen, hoechstens);
    }
#endif
    return einzeln::stellenSuchen(text, a, b, stellen, hoechstens);
}

bool Voraussuche::enthaelt(qsizetype von, qsizetype bis) {
    const auto suchen = [this](qsizetype ab, qsizetype ende) {
        return pruefzeichenFinden(text_.first(ende), ab, sep_);
    };
    if (naechste_ < von) {
        const qsizetype t = von < gesucht_ ? suchen(von, gesucht_) : -1;
        gesucht_ = std::max(gesucht_, von);
        naechste_ = t < 0 ? gesucht_ : t;
    }
    while (naechste_ == gesucht_ && gesucht_ < std::min(bis, text_.size())) {
        const qsizetype ende = std::min(text_.size(), std::max(bis, gesucht_ + Strecke));
        const qsizetype t = suchen(gesucht_, ende);
        gesucht_ = ende;
        naechste_ = t < 0 ? ende : t;
    }
    return naechste_ < bis;
}

}  // namespace mi
