#include "startup/Start.h"

#include "base/Auflistung.h"
#include "base/Datum.h"
#include "base/Pfade.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"
#include "startup/Installationsdaten.h"

namespace mi {

namespace {

QString installationsbasisErmitteln(const Plattform& p) {
    const QString oeffentlich = p.umgebungsvariable(QStringLiteral("PUBLIC"));
    if (oeffentlich.isEmpty()) {
        return trennerAnhaengen(
            trennerAngleichen(p.umgebungsvariable(QStringLiteral("ProgramFiles"))));
    }
    const QString virtuell =
        QStringList{QStringLiteral("AppData"), QStringLiteral("Local"),
                    QStringLiteral("VirtualStore"), QStringLiteral("Program Files")}
            .join(Trenner);
    return trennerAnhaengen(trennerAngleichen(oeffentlich)) + virtuell + Trenner;
}

QString installationspfadSuchen(const Plattform& p, const QString& basis) {
    for (const char* name : {"Velmora", "Velmoral"}) {
        const QString kandidat = basis + QLatin1String(name);
        if (Ordner_vorhanden(p, kandidat)) {
            return kandidat + Trenner;
        }
    }
    return basis + QStringLiteral("Velmorat") + Trenner;
}

const QString OrtMain = QStringLiteral("modMitarbeiterImport - Main");

// Start-up under Main's error handler. A failure to build the window's own
// parts (errors 50003 and 339) means the planner is not installed.
void starten(Dienste& dienste, const Fensterstart& fensterZeigen) try {
    const Startwerte start = startwerteSetzen(dienste);
    const Planerordner ordner = Installationsdaten_lesen(dienste, start.Installationspfad);
    fensterZeigen(start, ordner);
} catch (const Laufzeitfehler& fehler) {
    if (fehler.nummer == fehlernummer::UnerwarteterFehler ||
        fehler.nummer == fehlernummer::KomponenteFehlt) {
        Meldung(dienste, dienste.texte.nichtInstalliert);
        throw Programmende{Programmende::Grund::NichtInstalliert};
    }
    fehlerBehandeln(dienste, OrtMain);
} catch (...) {
    fehlerBehandeln(dienste, OrtMain);
}

}  // namespace

Startwerte startwerteSetzen(Dienste& dienste) {
    const Plattform& p = dienste.plattform;
    Startwerte start;
    start.Tagesdatum = FormatDatumDS(p.jetzt().date());
    start.Benutzername = p.umgebungsvariable(QStringLiteral("USERNAME"));
    if (start.Benutzername.isEmpty()) {
        start.Benutzername = QStringLiteral("NoName");
    }
    start.Installationspfad = installationspfadSuchen(p, installationsbasisErmitteln(p));
    return start;
}

std::optional<Programmende> Main(Dienste& dienste, const Fensterstart& fensterZeigen) {
    try {
        starten(dienste, fensterZeigen);
    } catch (const Programmende& ende) {
        return ende;
    }
    return std::nullopt;
}

}  // namespace mi
