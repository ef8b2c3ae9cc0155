#include "datastore/Zeilenverschluesselung.h"

#include "datastore/Windows1252.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Zaehler16.h"

#include <cmath>

namespace mi {

QByteArray zeileVerschluesseln(QByteArrayView klartext, std::uint8_t start) {
    QByteArray zeile;
    zeile.reserve(klartext.size() + 1);
    zeile.append(static_cast<char>(start));
    int k = start & 63;
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
        zeile.append(static_cast<char>(c));
    }
    return zeile;
}

QByteArray zeileEntschluesseln(QByteArrayView zeile) {
    QByteArray klartext;
    klartext.reserve(zeile.size() - 1);
    int k = static_cast<unsigned char>(zeile.front()) & 63;
    for (const char b : zeile.sliced(1)) {
        k = (k + 1) & 63;
        int p = static_cast<unsigned char>(b) - k;
        if (p < 32) {
            p += 224;
        }
        klartext.append(static_cast<char>(p));
    }
    return klartext;
}

std::uint8_t startzeichen(double zufall) {
    return static_cast<std::uint8_t>(std::floor(zufall * 223 + 32));
}

QString LineIn(Laufzeit& lz) {
    return mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - LineIn"), [&] {
        const QByteArray zeile = lz.kanal.zeileLesen();
        if (zeile.isEmpty()) {
            // No start character to take the offset from.
            fehlerAusloesen(fehlernummer::UngueltigerAufruf);
        }
        Zaehler16::pruefen(zeile.size());
        return cp1252Dekodieren(zeileEntschluesseln(zeile));
    });
}

QByteArray speicherform(Laufzeit& lz, const QString& text) {
    const QByteArray klartext = cp1252Kodieren(text);
    Zaehler16::pruefen(klartext.size());
    return zeileVerschluesseln(klartext, startzeichen(lz.plattform.zufallszahl()));
}

void LineOut(Laufzeit& lz, const QString& text) {
    mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - LineOut"),
                     [&] { lz.kanal.zeileSchreiben(speicherform(lz, text)); });
}

}  // namespace mi
