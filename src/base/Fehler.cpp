#include "base/Fehler.h"

namespace mi {

QString fehlerBeschreiben(std::int32_t nummer) {
    switch (nummer) {
        case fehlernummer::UngueltigerAufruf:
            return QStringLiteral("Invalid procedure call or argument");
        case fehlernummer::Ueberlauf:
            return QStringLiteral("Overflow");
        case fehlernummer::KeinSpeicher:
            return QStringLiteral("Out of memory");
        case fehlernummer::IndexAusserhalb:
            return QStringLiteral("Subscript out of range");
        case fehlernummer::Typenkonflikt:
            return QStringLiteral("Type mismatch");
        case fehlernummer::InternerFehler:
            return QStringLiteral("Internal error");
        case fehlernummer::UngueltigerDateiname:
            return QStringLiteral("Bad file name or number");
        case fehlernummer::DateiNichtGefunden:
            return QStringLiteral("File not found");
        case fehlernummer::GeraeteFehler:
            return QStringLiteral("Device I/O error");
        case fehlernummer::DatentraegerVoll:
            return QStringLiteral("Disk full");
        case fehlernummer::LesenNachDateiende:
            return QStringLiteral("Input past end of file");
        case fehlernummer::ZugriffVerweigert:
            return QStringLiteral("Permission denied");
        case fehlernummer::PfadZugriffsfehler:
            return QStringLiteral("Path/File access error");
        case fehlernummer::PfadNichtGefunden:
            return QStringLiteral("Path not found");
        case fehlernummer::KomponenteFehlt:
            return QStringLiteral("Component not correctly registered");
        case fehlernummer::UnerwarteterFehler:
            return QStringLiteral("Unexpected error");
        default:
            return QStringLiteral("Application-defined or object-defined error");
    }
}

void fehlerAusloesen(std::int32_t nummer) {
    throw Laufzeitfehler(nummer, fehlerBeschreiben(nummer));
}

void fehlerAusloesen(std::int32_t nummer, const QString& ort) {
    throw Laufzeitfehler(nummer, fehlerBeschreiben(nummer), ort);
}

}  // namespace mi
