#include "datastore/Zeilenverschluesselung.h"

#include "datastore/Dateikanal.h"
#include "datastore/Windows1252.h"
#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Zaehler16.h"

#include <algorithm>
#include <cmath>

namespace mi {

// A backup passes every byte of the planner's data through both directions.
// Both write into a buffer of the final size, and a line without bytes to drop
// (every line the planner writes) has offsets that depend on the position alone,
// which the compiler turns into vector code.
QByteArray zeileVerschluesseln(QByteArrayView klartext, std::uint8_t start) {
    QByteArray zeile(klartext.size() + 1, Qt::Uninitialized);
    char* ziel = zeile.data();
    *ziel++ = static_cast<char>(start);
    int k = start & 63;
    const auto* quelle = reinterpret_cast<const unsigned char*>(klartext.data());
    const int n = static_cast<int>(klartext.size());
    unsigned char kleinstes = 255;
    for (int i = 0; i < n; ++i) {
        kleinstes = std::min(kleinstes, quelle[i]);
    }
    if (kleinstes >= 32) {
        for (int i = 0; i < n; ++i) {
            const int c = quelle[i] + ((k + 1 + i) & 63);
            ziel[i] = static_cast<char>(c > 255 ? c - 224 : c);
        }
        return zeile;
    }
    for (const char b : klartext) {
        const int p = static_cast<unsigned char>(b);
        if (p < 32) {
            continue;
        }
        k = (k + 1) & 63;
        int c = p + k;
        if (c > 255) {
            c -= 224;
        }
        *ziel++ = static_cast<char>(c);
    }
    zeile.truncate(ziel - zeile.constData());
    return zeile;
}

QByteArray zeileEntschluesseln(QByteArrayView zeile) {
    QByteArray klartext(zeile.size() - 1, Qt::Uninitialized);
    char* ziel = klartext.data();
    const int k = static_cast<unsigned char>(zeile.front()) & 63;
    const auto* quelle = reinterpret_cast<const unsigned char*>(zeile.data()) + 1;
    const int n = static_cast<int>(klartext.size());
    for (int i = 0; i < n; ++i) {
        const int p = quelle[i] - ((k + 1 + i) & 63);
        ziel[i] = static_cast<char>(p < 32 ? p + 224 : p);
    }
    return klartext;
}

std::uint8_t startzeichen(double zufall) {
    return static_cast<std::uint8_t>(std::floor(zufall * 223 + 32));
}

namespace {

QByteArray naechsterKlartext(Laufzeit& lz) {
    const QByteArray zeile = lz.kanal.zeileLesen();
    if (zeile.isEmpty()) {
        // No start character to take the offset from.
        fehlerAusloesen(fehlernummer::UngueltigerAufruf);
    }
    Zaehler16::pruefen(zeile.size());
    return zeileEntschluesseln(zeile);
}

QByteArray speicherformAusKlartext(Laufzeit& lz, QByteArrayView klartext) {
    Zaehler16::pruefen(klartext.size());
    return zeileVerschluesseln(klartext, startzeichen(lz.plattform.zufallszahl()));
}

const QString OrtLineIn = QStringLiteral("modMitarbeiterImport - LineIn");
const QString OrtLineOut = QStringLiteral("modMitarbeiterImport - LineOut");

}  // namespace

QString LineIn(Laufzeit& lz) {
    return mitFehlerbericht(lz, OrtLineIn, [&] { return cp1252Dekodieren(naechsterKlartext(lz)); });
}

QByteArray klartextLesen(Laufzeit& lz) {
    return mitFehlerbericht(lz, OrtLineIn, [&] { return naechsterKlartext(lz); });
}

QByteArray speicherform(Laufzeit& lz, const QString& text) {
    return speicherformAusKlartext(lz, cp1252Kodieren(text));
}

void LineOut(Laufzeit& lz, const QString& text) {
    mitFehlerbericht(lz, OrtLineOut, [&] { lz.kanal.zeileSchreiben(speicherform(lz, text)); });
}

void klartextSchreiben(Laufzeit& lz, QByteArrayView klartext) {
    mitFehlerbericht(lz, OrtLineOut,
                     [&] { lz.kanal.zeileSchreiben(speicherformAusKlartext(lz, klartext)); });
}

void Planerdatei_öffnen(Laufzeit& lz, const QString& name, const QString& fehlt) {
    const auto pfad = Datei_finden(lz.Datenpfad, name);
    if (!pfad) {
        Abbruchmeldung(lz, fehlt);
    }
    Datei_öffnen(lz, *pfad, QStringLiteral("Input"), QString());
}

void Kopfzeile_prüfen(Laufzeit& lz, const QString& kopf, const QString& meldung) {
    if (LineIn(lz) != kopf) {
        Abbruchmeldung(lz, meldung);
    }
}

}  // namespace mi
