#include "folders/Datenordner.h"

#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"
#include "startup/Start.h"
#include "startup/Zaehler16.h"

#include <optional>

namespace mi {

namespace {

const QString Planermuster = QStringLiteral("*Data.dat");
const QString Datenordnername = QStringLiteral("Data");

// The planner's data folder keeps these subfolders; choosing one of them
// means the data folder above it. Compared in lower case, with the
// platform's separator in place of the planner's backslash.
bool istUnterordnerDerDaten(const QString& pfad) {
    const QString klein = pfad.toLower();
    for (const char* unterordner : {"backups", "inifiles", "logs"}) {
        if (klein.endsWith(QStringLiteral("data") + Trenner + QLatin1String(unterordner) +
                           Trenner)) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString BrowseForFolder(Laufzeit& lz) {
    return mitFehlerbericht(lz, QStringLiteral("modOrdner - BrowseForFolder"), [&] {
        return nativ(lz.dialoge.ordnerWaehlen(lz.texte.ordnerwahlTitel));
    });
}

bool Datenordner_auswählen(Laufzeit& lz) {
    return mitFehlerbericht(lz, QStringLiteral("modOrdner - Datenordner_auswählen"), [&] {
        lz.Datenpfad = BrowseForFolder(lz);
        if (lz.Datenpfad.isEmpty()) {
            return false;
        }
        lz.Datenpfad = mitTrenner(lz.Datenpfad);
        if (istUnterordnerDerDaten(lz.Datenpfad)) {
            lz.Datenpfad = ParentDir(lz, lz.Datenpfad);
        }

        // A folder that vanished or cannot be read lists nothing, just like a
        // folder without data: tell the two apart, or the user would hear
        // "no data" about a folder that was never looked into.
        const auto hatPlanerdaten = [&lz]() -> std::optional<bool> {
            const auto namen = Dateien_auflisten(lz.Datenpfad, Planermuster);
            if (!namen) {
                Meldung(lz,
                        lz.texte.ordnerwahlKeinZugriff.arg(Pfad_zitieren(lz.texte, lz.Datenpfad)));
                lz.Datenpfad.clear();
                return std::nullopt;
            }
            return !namen->isEmpty();
        };

        const auto gefunden = hatPlanerdaten();
        if (!gefunden) {
            return false;
        }
        const bool heisstData =
            lz.Datenpfad.toLower().endsWith(Trenner + QStringLiteral("data") + Trenner);
        if (*gefunden || heisstData) {
            return true;
        }
        // Data wins over the language folder; inside the language folder the
        // data may lie directly or in its own Data subfolder.
        if (Ordner_vorhanden(lz.Datenpfad + Datenordnername)) {
            lz.Datenpfad += Datenordnername + Trenner;
        } else if (Ordner_vorhanden(lz.Datenpfad + lz.texte.sprachordner)) {
            lz.Datenpfad += lz.texte.sprachordner + Trenner;
            const auto imSprachordner = hatPlanerdaten();
            if (!imSprachordner) {
                return false;
            }
            if (!*imSprachordner && Ordner_vorhanden(lz.Datenpfad + Datenordnername)) {
                lz.Datenpfad += Datenordnername + Trenner;
            }
        }
        return true;
    });
}

QString ParentDir(Laufzeit& lz, const QString& pfad) {
    return mitFehlerbericht(lz, QStringLiteral("modOrdner - ParentDir"), [&] {
        // One trailing separator must not count, so the search starts at the
        // second-to-last character.
        for (qsizetype i = Zaehler16::pruefen(pfad.size() - 1) - 1; i >= 0; --i) {
            if (pfad.at(i) == Trenner) {
                return pfad.left(i + 1);
            }
        }
        return QString();
    });
}

}  // namespace mi
