#include "datastore/Zeilenverschluesselung.h"

#include "base/Auflistung.h"
#include "base/Simd.h"
#include "base/Zaehler16.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

#include <algorithm>
#include <array>

namespace mi {

namespace {

// A line's offsets repeat every 64 bytes: byte i of a line with start value S
// is shifted by (S AND 63) + 1 + i, modulo 64, read from this table at S AND 63.
// A backup passes every byte of the planner's data through both directions, in
// lines of some thirty bytes, so the bytes go sixteen at a time where the
// processor has the instructions for it (every x86-64 does).
constexpr qsizetype Stueck = 16;
constexpr qsizetype Periode = 64;

constexpr std::array<std::uint8_t, 2 * Periode> Versatztafel = [] {
    std::array<std::uint8_t, 2 * Periode> tafel{};
    for (std::size_t i = 0; i < tafel.size(); ++i) {
        tafel[i] = static_cast<std::uint8_t>((i + 1) % Periode);
    }
    return tafel;
}();

// Past 255 a code wraps to 32 and up, never into the control range.
struct Verschiebung {
    std::uint8_t operator()(std::uint8_t p, std::uint8_t o) const {
        const auto c = static_cast<std::uint8_t>(p + o);
        return static_cast<std::uint8_t>(c + (c < p ? 32 : 0));
    }
#ifdef MI_SSE2
    __m128i operator()(__m128i p, __m128i o) const {
        const __m128i c = _mm_add_epi8(p, o);
        // No wrap where p - c saturates to zero, that is c >= p.
        const __m128i ohneUmbruch = _mm_cmpeq_epi8(_mm_subs_epu8(p, c), _mm_setzero_si128());
        return _mm_add_epi8(c, _mm_andnot_si128(ohneUmbruch, _mm_set1_epi8(32)));
    }
#endif
};

// Below 32 a code wraps back to the top of the byte range.
struct Rueckverschiebung {
    std::uint8_t operator()(std::uint8_t c, std::uint8_t o) const {
        return static_cast<std::uint8_t>(c - o + (c < o + 32 ? 224 : 0));
    }
#ifdef MI_SSE2
    __m128i operator()(__m128i c, __m128i o) const {
        const __m128i grenze = _mm_add_epi8(o, _mm_set1_epi8(32));  // at most 95
        // No wrap where grenze - c saturates to zero, that is c >= grenze.
        const __m128i ohneUmbruch = _mm_cmpeq_epi8(_mm_subs_epu8(grenze, c), _mm_setzero_si128());
        const auto oben = static_cast<char>(224);
        return _mm_add_epi8(_mm_sub_epi8(c, o), _mm_andnot_si128(ohneUmbruch, _mm_set1_epi8(oben)));
    }
#endif
};

// Sixteen bytes from quelle to ziel, with the offsets from o.
template <typename Umsetzung>
void stueckUmsetzen(const std::uint8_t* quelle, const std::uint8_t* o, std::uint8_t* ziel,
                    Umsetzung umsetzung) {
#ifdef MI_SSE2
    const __m128i ergebnis = umsetzung(_mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle)),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(o)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel), ergebnis);
#else
    for (qsizetype j = 0; j < Stueck; ++j) {
        ziel[j] = umsetzung(quelle[j], o[j]);
    }
#endif
}

// Applies umsetzung to n bytes from quelle to ziel (which do not overlap), byte
// i with the offset of position i of a line starting with start.
template <typename Umsetzung>
void stueckweiseUmsetzen(const std::uint8_t* quelle, std::uint8_t* ziel, qsizetype n,
                         std::uint8_t start, Umsetzung umsetzung) {
    const std::uint8_t* versatz = Versatztafel.data() + (start & 63);
    if (n < Stueck) {
        for (qsizetype i = 0; i < n; ++i) {
            ziel[i] = umsetzung(quelle[i], versatz[i]);
        }
        return;
    }
    qsizetype i = 0;
    for (; i + Stueck <= n; i += Stueck) {
        stueckUmsetzen(quelle + i, versatz + (i & (Periode - 1)), ziel + i, umsetzung);
    }
    if (i < n) {
        // The last sixteen bytes once more, overlapping the piece before: the
        // same bytes give the same result, and nothing beyond the line is touched.
        const qsizetype letztes = n - Stueck;
        const std::uint8_t* o = Versatztafel.data() + (((start & 63) + letztes) & (Periode - 1));
        stueckUmsetzen(quelle + letztes, o, ziel + letztes, umsetzung);
    }
}

// Whether every byte is at least 32, as in every line the planner writes.
bool steuerzeichenfrei(const std::uint8_t* quelle, qsizetype n) {
    qsizetype i = 0;
#ifdef MI_SSE2
    __m128i kleinstes = _mm_set1_epi8(static_cast<char>(255));
    for (; i + Stueck <= n; i += Stueck) {
        kleinstes =
            _mm_min_epu8(kleinstes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle + i)));
    }
    // At least 32 everywhere: nothing is left when 32 is subtracted with saturation.
    const __m128i unter32 = _mm_subs_epu8(_mm_set1_epi8(32), kleinstes);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(unter32, _mm_setzero_si128())) != 0xFFFF) {
        return false;
    }
#endif
    for (; i < n; ++i) {
        if (quelle[i] < 32) {
            return false;
        }
    }
    return true;
}

}  // namespace

qsizetype verschluesseltSchreiben(QByteArrayView klartext, std::uint8_t start, char* ziel) {
    const auto* quelle = reinterpret_cast<const std::uint8_t*>(klartext.data());
    auto* aus = reinterpret_cast<std::uint8_t*>(ziel);
    const qsizetype n = klartext.size();
    if (steuerzeichenfrei(quelle, n)) {
        aus[0] = start;
        stueckweiseUmsetzen(quelle, aus + 1, n, start, Verschiebung{});
        return n + 1;
    }
    // Bytes below 32 are dropped and take no offset: the rest moves up.
    int k = start & 63;
    qsizetype laenge = 1;
    for (qsizetype i = 0; i < n; ++i) {
        const int p = quelle[i];
        if (p < 32) {
            continue;
        }
        k = (k + 1) & 63;
        const int c = p + k;
        aus[laenge++] = static_cast<std::uint8_t>(c > 255 ? c - 224 : c);
    }
    aus[0] = start;
    return laenge;
}

void entschluesseltSchreiben(QByteArrayView zeile, char* ziel) {
    stueckweiseUmsetzen(reinterpret_cast<const std::uint8_t*>(zeile.data()) + 1,
                        reinterpret_cast<std::uint8_t*>(ziel), zeile.size() - 1,
                        static_cast<std::uint8_t>(zeile.front()), Rueckverschiebung{});
}

QByteArray zeileVerschluesseln(QByteArrayView klartext, std::uint8_t start) {
    QByteArray zeile(klartext.size() + 1, Qt::Uninitialized);
    zeile.truncate(verschluesseltSchreiben(klartext, start, zeile.data()));
    return zeile;
}

QByteArray zeileEntschluesseln(QByteArrayView zeile) {
    QByteArray klartext(zeile.size() - 1, Qt::Uninitialized);
    entschluesseltSchreiben(zeile, klartext.data());
    return klartext;
}

std::uint8_t startzeichenWaehlen(double zufall) {
    // Positive, so the conversion rounds down as the planner's Int does.
    return static_cast<std::uint8_t>(zufall * 223 + 32);
}

namespace {

// The next stored line, checked for what unscrambling needs.
QByteArrayView naechsteZeileLesen(Dateikanal& kanal) {
    const QByteArrayView zeile = kanal.zeileAnsehen();
    if (zeile.isEmpty()) {
        // No start character to take the offset from.
        fehlerAusloesen(fehlernummer::UngueltigerAufruf);
    }
    Zaehler16::pruefen(zeile.size());
    return zeile;
}

// Scrambles klartext straight into the channel's buffer.
void klartextAufKanalSchreiben(Dienste& dienste, QByteArrayView klartext) {
    Zaehler16::pruefen(klartext.size());
    const std::uint8_t start = startzeichenWaehlen(dienste.plattform.zufallszahlZiehen());
    dienste.kanal.zeileErzeugen(klartext.size() + 1, [&](char* ziel) {
        return verschluesseltSchreiben(klartext, start, ziel);
    });
}

const QString OrtLineIn = QStringLiteral("modMitarbeiterImport - LineIn");
const QString OrtLineOut = QStringLiteral("modMitarbeiterImport - LineOut");

}  // namespace

QString LineIn(Dienste& dienste) try {
    return cp1252Dekodieren(zeileEntschluesseln(naechsteZeileLesen(dienste.kanal)));
} catch (...) {
    fehlerBehandeln(dienste, OrtLineIn);
}

QByteArrayView gespeicherteZeileLesen(Dienste& dienste) try {
    return naechsteZeileLesen(dienste.kanal);
} catch (...) {
    fehlerBehandeln(dienste, OrtLineIn);
}

QByteArray speicherformBilden(Plattform& plattform, const QString& text) {
    const QByteArray klartext = cp1252Kodieren(text);
    Zaehler16::pruefen(klartext.size());
    return zeileVerschluesseln(klartext, startzeichenWaehlen(plattform.zufallszahlZiehen()));
}

void LineOut(Dienste& dienste, const QString& text) try {
    klartextAufKanalSchreiben(dienste, cp1252Kodieren(text));
} catch (...) {
    fehlerBehandeln(dienste, OrtLineOut);
}

void klartextSchreiben(Dienste& dienste, QByteArrayView klartext) try {
    klartextAufKanalSchreiben(dienste, klartext);
} catch (...) {
    fehlerBehandeln(dienste, OrtLineOut);
}

void planerdateiOeffnen(Dienste& dienste, const QString& Datenpfad, const QString& name,
                        const QString& fehlt) {
    const auto pfad = dateiFinden(dienste.plattform, Datenpfad, name);
    if (!pfad) {
        Abbruchmeldung(dienste, fehlt);
    }
    Datei_oeffnen(dienste, *pfad, Kanalmodus::Input);
}

void kopfzeilePruefen(Dienste& dienste, const QString& kopf, const QString& meldung) {
    if (LineIn(dienste) != kopf) {
        Abbruchmeldung(dienste, meldung);
    }
}

}  // namespace mi
