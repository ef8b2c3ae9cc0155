#include "startup/Start.h"

#include "messages/Meldungen.h"
#include "startup/Installationsdaten.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"

#include <QFileInfo>
#include <cstdlib>

namespace mi {

namespace {

void zweistellig(QChar* ziel, int zahl) {
    ziel[0] = QChar(u'0' + zahl / 10 % 10);
    ziel[1] = QChar(u'0' + zahl % 10);
}

QString installationsbasis(const Plattform& p) {
    const QString oeffentlich = p.umgebungsvariable(QStringLiteral("PUBLIC"));
    if (oeffentlich.isEmpty()) {
        return mitTrenner(nativ(p.umgebungsvariable(QStringLiteral("ProgramFiles"))));
    }
    const QString virtuell =
        QStringList{QStringLiteral("AppData"), QStringLiteral("Local"),
                    QStringLiteral("VirtualStore"), QStringLiteral("Program Files")}
            .join(Trenner);
    return mitTrenner(nativ(oeffentlich)) + virtuell + Trenner;
}

QString installationspfadSuchen(const QString& basis) {
    for (const char* name : {"Velmora", "Velmoral"}) {
        const QString kandidat = basis + QLatin1String(name);
        if (Ordner_vorhanden(kandidat)) {
            return kandidat + Trenner;
        }
    }
    return basis + QStringLiteral("Velmorat") + Trenner;
}

}  // namespace

QString FormatDatumDS(Laufzeit& lz, const QDate& datum) {
    return mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - FormatDatumDS"), [&] {
        if (!datum.isValid()) {
            fehlerAusloesen(fehlernummer::Typenkonflikt);
        }
        // Written digit by digit: the check formats two dates for each of up
        // to 32,767 rows. A year before the common era keeps its sign when it
        // has a single digit, as the last two characters of its number.
        QString text(6, Qt::Uninitialized);
        QChar* ziel = text.data();
        if (datum.year() > -10 && datum.year() < 0) {
            ziel[0] = u'-';
            ziel[1] = QChar(u'0' - datum.year());
        } else {
            zweistellig(ziel, std::abs(datum.year()));
        }
        zweistellig(ziel + 2, datum.month());
        zweistellig(ziel + 4, datum.day());
        return text;
    });
}

bool Ordner_vorhanden(const QString& pfad) {
    if (pfad.isEmpty()) {
        return false;
    }
    return QFileInfo(pfad).isDir();
}

void Startwerte_setzen(Laufzeit& lz) {
    lz.Programmtitel = lz.texte.programmtitel;
    // Formatting, not a locale query, so it is exactly the separator the
    // locale's number formatting uses.
    lz.Dezimalzeichen = lz.plattform.gebietsschema().toString(1.1, 'f', 1).at(1);
    lz.Tagesdatum = FormatDatumDS(lz, lz.plattform.jetzt().date());
    lz.Benutzername = lz.plattform.umgebungsvariable(QStringLiteral("USERNAME"));
    if (lz.Benutzername.isEmpty()) {
        lz.Benutzername = QStringLiteral("NoName");
    }
    lz.Installationspfad = installationspfadSuchen(installationsbasis(lz.plattform));
}

std::optional<Programmende> Main(Laufzeit& lz, const std::function<void()>& fensterZeigen) {
    try {
        try {
            Startwerte_setzen(lz);
            Installationsdaten_lesen(lz);
            fensterZeigen();
            return std::nullopt;
        } catch (const Programmende&) {
            throw;
        } catch (const Laufzeitfehler& fehler) {
            if (fehler.nummer == fehlernummer::UnerwarteterFehler ||
                fehler.nummer == fehlernummer::KomponenteFehlt) {
                Meldung(lz, lz.texte.nichtInstalliert);
                throw Programmende{Programmende::Grund::NichtInstalliert};
            }
            Fehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Main"), fehler);
        } catch (const std::exception&) {
            mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Main"), [] { throw; });
        }
    } catch (const Programmende& ende) {
        return ende;
    }
    return std::nullopt;
}

}  // namespace mi
