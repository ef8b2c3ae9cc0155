#include "base/Zeichensuche.h"

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define MI_SSE2
#endif

#include <algorithm>
#include <bit>
#include <cstdint>

namespace mi {

namespace {

#ifdef MI_SSE2
constexpr qsizetype Achter = 8;       // UTF-16 characters in sixteen bytes
constexpr qsizetype Sechzehner = 16;  // in two such loads

__m128i achtLaden(const char16_t* zeichen) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen));
}

// One bit per character of the sixteen from zeichen that is a or b.
unsigned treffer16(const char16_t* zeichen, __m128i a, __m128i b) {
    const __m128i vorn = achtLaden(zeichen);
    const __m128i hinten = achtLaden(zeichen + Achter);
    const __m128i v = _mm_or_si128(_mm_cmpeq_epi16(vorn, a), _mm_cmpeq_epi16(vorn, b));
    const __m128i h = _mm_or_si128(_mm_cmpeq_epi16(hinten, a), _mm_cmpeq_epi16(hinten, b));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(v, h)));
}
#endif

}  // namespace

bool nurLatin1(QStringView text) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef MI_SSE2
    // A character beyond 0xFF has bits in its upper byte; one in 0x80 to 0x9F
    // has none above 0x1F once 0x80 is taken off.
    const __m128i null = _mm_setzero_si128();
    __m128i unterFF = _mm_set1_epi16(-1);
    __m128i steuer = null;
    for (; i + Achter <= n; i += Achter) {
        const __m128i c = achtLaden(z + i);
        unterFF = _mm_and_si128(
            unterFF,
            _mm_cmpeq_epi16(_mm_and_si128(c, _mm_set1_epi16(static_cast<short>(0xFF00))), null));
        steuer = _mm_or_si128(
            steuer, _mm_cmpeq_epi16(_mm_and_si128(_mm_sub_epi16(c, _mm_set1_epi16(0x80)),
                                                  _mm_set1_epi16(static_cast<short>(0xFFE0))),
                                    null));
    }
    if (_mm_movemask_epi8(unterFF) != 0xFFFF || _mm_movemask_epi8(steuer) != 0) {
        return false;
    }
#endif
    for (; i < n; ++i) {
        const unsigned c = z[i];
        if (c - 0x80U < 0x20U || c > 0xFFU) {
            return false;
        }
    }
    return true;
}

#ifdef MI_SSE2
namespace {

// The hits of the sixteen characters from i on, or for a shorter rest of at
// least sixteen characters in all, of the last sixteen with those before i
// dropped: no character-by-character tail. Bit k stands for position i + k.
unsigned trefferAb(const char16_t* z, qsizetype i, qsizetype n, __m128i a, __m128i b) {
    if (i + Sechzehner <= n) {
        return treffer16(z + i, a, b);
    }
    return treffer16(z + n - Sechzehner, a, b) >> (i - (n - Sechzehner));
}

}  // namespace
#endif

qsizetype findeEines(QStringView text, qsizetype ab, char16_t a, char16_t b) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = ab;
#ifdef MI_SSE2
    if (n >= Sechzehner) {
        const __m128i va = _mm_set1_epi16(static_cast<short>(a));
        const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
        for (; i < n; i += Sechzehner) {
            if (const unsigned bits = trefferAb(z, i, n, va, vb); bits != 0) {
                return i + std::countr_zero(bits);
            }
        }
        return -1;
    }
#endif
    for (; i < n; ++i) {
        if (z[i] == a || z[i] == b) {
            return i;
        }
    }
    return -1;
}

int stellenSuchen(QStringView text, char16_t a, char16_t b, qsizetype* stellen, int hoechstens) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    int anzahl = 0;
#ifdef MI_SSE2
    if (n >= Sechzehner) {
        const __m128i va = _mm_set1_epi16(static_cast<short>(a));
        const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
        for (; i < n; i += Sechzehner) {
            for (unsigned bits = trefferAb(z, i, n, va, vb); bits != 0; bits &= bits - 1) {
                if (anzahl == hoechstens) {
                    return anzahl;
                }
                stellen[anzahl++] = i + std::countr_zero(bits);
            }
        }
        return anzahl;
    }
#endif
    for (; i < n && anzahl < hoechstens; ++i) {
        if (z[i] == a || z[i] == b) {
            stellen[anzahl++] = i;
        }
    }
    return anzahl;
}

bool Voraussuche::enthaelt(qsizetype von, qsizetype bis) {
    const auto suchen = [this](qsizetype ab, qsizetype ende) {
        return findeEines(text_.first(ende), ab, a_, b_);
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
