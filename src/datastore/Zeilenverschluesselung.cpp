#include "datastore/Zeilenverschluesselung.h"

#include "base/Auflistung.h"
#include "base/Zaehler16.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Windows1252.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

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

QByteArray naechsterKlartext(Dateikanal& kanal) {
    const QByteArray zeile = kanal.zeileLesen();
    if (zeile.isEmpty()) {
        // No start character to take the offset from.
        fehlerAusloesen(fehlernummer::UngueltigerAufruf);
    }
    Zaehler16::pruefen(zeile.size());
    return zeileEntschluesseln(zeile);
}

QByteArray speicherformAusKlartext(Plattform& plattform, QByteArrayView klartext) {
    Zaehler16::pruefen(klartext.size());
    return zeileVerschluesseln(klartext, startzeichen(plattform.zufallszahl()));
}

const QString OrtLineIn = QStringLiteral("modMitarbeiterImport - LineIn");
const QString OrtLineOut = QStringLiteral("modMitarbeiterImport - LineOut");

}  // namespace

QString LineIn(Dienste& dienste) {
    return mitFehlerbericht(dienste, OrtLineIn,
                            [&] { return cp1252Dekodieren(naechsterKlartext(dienste.kanal)); });
}

QByteArray klartextLesen(Dienste& dienste) {
    return mitFehlerbericht(dienste, OrtLineIn, [&] { return naechsterKlartext(dienste.kanal); });
}

QByteArray speicherform(Plattform& plattform, const QString& text) {
    return speicherformAusKlartext(plattform, cp1252Kodieren(text));
}

void LineOut(Dienste& dienste, const QString& text) {
    mitFehlerbericht(dienste, OrtLineOut,
                     [&] { dienste.kanal.zeileSchreiben(speicherform(dienste.plattform, text)); });
}

void klartextSchreiben(Dienste& dienste, QByteArrayView klartext) {
    mitFehlerbericht(dienste, OrtLineOut, [&] {
        dienste.kanal.zeileSchreiben(speicherformAusKlartext(dienste.plattform, klartext));
    });
}

void Planerdatei_oeffnen(Dienste& dienste, const QString& Datenpfad, const QString& name,
                         const QString& fehlt) {
    const auto pfad = Datei_finden(dienste.plattform, Datenpfad, name);
    if (!pfad) {
        Abbruchmeldung(dienste, fehlt);
    }
    Datei_oeffnen(dienste, *pfad, Kanalmodus::Input);
}

void Kopfzeile_pruefen(Dienste& dienste, const QString& kopf, const QString& meldung) {
    if (LineIn(dienste) != kopf) {
        Abbruchmeldung(dienste, meldung);
    }
}

}  // namespace mi
