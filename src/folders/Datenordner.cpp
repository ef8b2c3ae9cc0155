#include "folders/Datenordner.h"

#include "base/Auflistung.h"
#include "base/Pfade.h"
#include "base/Zaehler16.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

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

// A folder that vanished or cannot be read lists nothing, just like a folder
// without data: tell the two apart, or the user would hear "no data" about a
// folder that was never looked into. Nothing when it cannot be listed.
std::optional<bool> planerdatenSuchen(Dienste& dienste, const QString& ordner) {
    const auto namen = dateienAuflisten(dienste.plattform, ordner, Planermuster);
    if (!namen) {
        Meldung(dienste,
                dienste.texte.ordnerwahlKeinZugriff.arg(Pfad_zitieren(dienste.texte, ordner)));
        return std::nullopt;
    }
    return !namen->isEmpty();
}

// Data wins over the language folder; inside the language folder the data may
// lie directly or in its own Data subfolder.
std::optional<QString> unterordnerMitDatenFinden(Dienste& dienste, const QString& gewaehlt) {
    const Plattform& p = dienste.plattform;
    if (Ordner_vorhanden(p, gewaehlt + Datenordnername)) {
        return gewaehlt + Datenordnername + Trenner;
    }
    const QString sprachordner = gewaehlt + dienste.texte.sprachordner + Trenner;
    if (!Ordner_vorhanden(p, sprachordner)) {
        return gewaehlt;
    }
    const auto imSprachordner = planerdatenSuchen(dienste, sprachordner);
    if (!imSprachordner) {
        return std::nullopt;
    }
    if (!*imSprachordner && Ordner_vorhanden(p, sprachordner + Datenordnername)) {
        return sprachordner + Datenordnername + Trenner;
    }
    return sprachordner;
}

}  // namespace

QString BrowseForFolder(Dienste& dienste) try {
    return trennerAngleichen(dienste.dialoge.ordnerWaehlen(dienste.texte.ordnerwahlTitel));
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modOrdner - BrowseForFolder"));
}

std::optional<QString> Datenordner_auswaehlen(Dienste& dienste) try {
    QString gewaehlt = BrowseForFolder(dienste);
    if (gewaehlt.isEmpty()) {
        return std::nullopt;
    }
    gewaehlt = trennerAnhaengen(gewaehlt);
    if (istUnterordnerDerDaten(gewaehlt)) {
        gewaehlt = ParentDir(gewaehlt);
    }
    const auto gefunden = planerdatenSuchen(dienste, gewaehlt);
    if (!gefunden) {
        return std::nullopt;
    }
    const bool heisstData = gewaehlt.toLower().endsWith(Trenner + QStringLiteral("data") + Trenner);
    if (*gefunden || heisstData) {
        return gewaehlt;
    }
    return unterordnerMitDatenFinden(dienste, gewaehlt);
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modOrdner - Datenordner_auswählen"));
}

QString ParentDir(const QString& pfad) {
    // One trailing separator must not count, so the search starts at the
    // second-to-last character.
    const qsizetype letztes =
        Zaehler16::pruefen(pfad.size() - 1, QStringLiteral("modOrdner - ParentDir"));
    for (qsizetype i = letztes - 1; i >= 0; --i) {
        if (pfad.at(i) == Trenner) {
            return pfad.left(i + 1);
        }
    }
    return QString();
}

bool planerdatenVorhanden(const Plattform& plattform, const QString& ordner) {
    const auto namen = dateienAuflisten(plattform, ordner, Planermuster);
    return namen && !namen->isEmpty();
}

}  // namespace mi
