#include "wizard/Schritte.h"

#include "base/Auflistung.h"
#include "base/Pfade.h"
#include "folders/Datenordner.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

namespace mi {

std::optional<QString> Datenordner_checken(Dienste& dienste, const QString& Datenpfad,
                                           const QString& Logpfad) try {
    if (!planerdatenVorhanden(dienste.plattform, Datenpfad)) {
        Meldung(dienste,
                dienste.texte.keineDatenImOrdner.arg(Pfad_zitieren(dienste.texte, Datenpfad)));
        return std::nullopt;
    }
    // A log folder from the settings file stays, wherever it lies; only a
    // missing one is looked for beside the data. It is never created: the log
    // book belongs to the planner, and without it nothing is logged.
    const QString logs = Logpfad.isEmpty() ? Datenpfad + QStringLiteral("Logs") + Trenner : Logpfad;
    return Ordner_vorhanden(dienste.plattform, logs) ? logs : QString();
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("frmMitarbeiterImport - Datenordner_checken"));
}

std::optional<QString> Importdatei_auswaehlen(Dienste& dienste) try {
    const Texte& t = dienste.texte;
    const Dateiwahl wahl{t.programmtitel + QStringLiteral(" - ") + t.dateiwahlSchritt,
                         t.dateiwahlFilter, dienste.plattform.programmordner()};
    const std::optional<QString> gewaehlt = dienste.dialoge.dateiWaehlen(wahl);
    // Cancel leaves everything as it was, without a word.
    if (!gewaehlt || gewaehlt->isEmpty()) {
        return std::nullopt;
    }
    return trennerAngleichen(*gewaehlt);
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("frmMitarbeiterImport - Importdatei_auswählen"));
}

std::optional<QString> abgelegteImportdateiErmitteln(const Plattform& plattform,
                                                     const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString pfad = trennerAngleichen(urls.front().toLocalFile());
    const auto attribute = plattform.attribute(pfad);
    if (!attribute || attribute->verzeichnis || !pfad.endsWith(u".csv", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return pfad;
}

}  // namespace mi
