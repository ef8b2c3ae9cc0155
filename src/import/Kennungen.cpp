#include "import/Kennungen.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace mi {

namespace {

// The 16-bit value in each of the four characters of a word.
constexpr std::uint64_t aufVierVerteilen(std::uint64_t wert) {
    return wert * 0x0001000100010001ULL;
}

// The four characters with A to Z lowered, for characters below 0x80: bit 7
// of a character is set by adding what takes "A" and what takes the
// character after "Z" to 0x80.
std::uint64_t vierVerkleinern(std::uint64_t vier) {
    const std::uint64_t abA = vier + aufVierVerteilen(0x80 - u'A');
    const std::uint64_t nachZ = vier + aufVierVerteilen(0x80 - u'Z' - 1);
    return vier | ((abA & ~nachZ & aufVierVerteilen(0x80)) >> 2);
}

char16_t zeichenVerkleinern(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// A hash over four characters at a time, each group passed through vorher;
// the last bits folded down, since the slot is taken from the lowest.
template <typename Vorbehandlung>
std::size_t streuwertBerechnen(QStringView text, Vorbehandlung vorher) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    std::uint64_t h = 14695981039346656037ULL;
    constexpr std::uint64_t Faktor = 1099511628211ULL;
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t vier = 0;
        std::memcpy(&vier, z + i, sizeof vier);
        h = (h ^ vorher(vier)) * Faktor;
    }
    std::uint64_t rest = 0;
    for (; i < n; ++i) {
        rest = (rest << 16) | z[i];
    }
    h = (h ^ vorher(rest)) * Faktor;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    return static_cast<std::size_t>(h ^ (h >> 33));
}

// For a lowered text, which holds no A to Z.
std::size_t streuwertBerechnen(QStringView text) {
    return streuwertBerechnen(text, [](std::uint64_t vier) { return vier; });
}

// Whether the text is plain ASCII, its hash computed on the way, four
// characters at a time.
bool istAscii(QStringView text, std::size_t& h) {
    std::uint64_t alle = 0;
    h = streuwertBerechnen(text, [&alle](std::uint64_t vier) {
        alle |= vier;
        return vierVerkleinern(vier);
    });
    return (alle & aufVierVerteilen(0xFF80)) == 0;
}

bool gleich(QStringView a, QStringView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (zeichenVerkleinern(a[i].unicode()) != zeichenVerkleinern(b[i].unicode())) {
            return false;
        }
    }
    return true;
}

// For one text of plain ASCII: four characters at a time. A character of
// the other beyond ASCII keeps a bit above 0x7F however its bits are
// changed, so it never meets one of plain ASCII.
bool gleichAscii(QStringView a, QStringView b) {
    const qsizetype n = a.size();
    if (n != b.size()) {
        return false;
    }
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a.utf16() + i, sizeof x);
        std::memcpy(&y, b.utf16() + i, sizeof y);
        if (vierVerkleinern(x) != vierVerkleinern(y)) {
            return false;
        }
    }
    return gleich(a.sliced(i), b.sliced(i));
}

// The upper half of the hash, kept in the slot: it places the name, also
// in a grown table, and a name that only shares the slot is passed over
// without reading it, which at tens of thousands of names is a miss of the
// processor's cache each time.
std::uint32_t markeBilden(std::size_t h) {
    return static_cast<std::uint32_t>(h >> 32);
}

}  // namespace

Kennungen::Kennungen(std::size_t anzahl)
    : faecher_(std::bit_ceil(std::max<std::size_t>(2 * anzahl, 2))) {
    eintraege_.reserve(anzahl);
}

// Hashed as its lower case form even when that is the name itself: the hash
// on the way lowers A to Z only, and a name already in lower case may hold a
// character beyond ASCII whose bits it changes.
Kennungen::Schluessel Kennungen::schluesselBilden(const QString& kennung) {
    std::size_t h = 0;
    if (istAscii(kennung, h)) {
        return {kennung, h, true};
    }
    QString kleinform = kennung.toLower();
    h = streuwertBerechnen(kleinform);
    return {std::move(kleinform), h, false};
}

std::size_t Kennungen::streuwertErmitteln(const QString& kennung) {
    return schluesselBilden(kennung).h;
}

bool Kennungen::einfuegen(const QString& kennung) {
    Schluessel s = schluesselBilden(kennung);
    const auto [fach, gefunden] =
        s.nurAscii ? suchen(s.text, s.h, gleichAscii) : suchen(s.text, s.h, gleich);
    if (!gefunden) {
        faecher_[fach] = {static_cast<std::int32_t>(eintraege_.size()), markeBilden(s.h)};
        eintraege_.push_back(std::move(s.text));
        if (2 * eintraege_.size() > faecher_.size()) {
            wachsen();
        }
    }
    return gefunden;
}

// The slot of s (hashed to h), or the free slot where it belongs.
template <typename Vergleich>
std::pair<std::size_t, bool> Kennungen::suchen(QStringView s, std::size_t h,
                                               Vergleich vergleich) const {
    const std::size_t maske = faecher_.size() - 1;
    const std::uint32_t m = markeBilden(h);
    for (std::size_t fach = m & maske;; fach = (fach + 1) & maske) {
        const Fach& f = faecher_[fach];
        if (f.eintrag < 0) {
            return {fach, false};
        }
        if (f.marke == m && vergleich(eintraege_[static_cast<std::size_t>(f.eintrag)], s)) {
            return {fach, true};
        }
    }
}

void Kennungen::wachsen() {
    const std::vector<Fach> alt = std::exchange(faecher_, std::vector<Fach>(2 * faecher_.size()));
    const std::size_t maske = faecher_.size() - 1;
    for (const Fach& f : alt) {
        if (f.eintrag >= 0) {
            std::size_t fach = f.marke & maske;
            while (faecher_[fach].eintrag >= 0) {
                fach = (fach + 1) & maske;
            }
            faecher_[fach] = f;
        }
    }
}

}  // namespace mi
