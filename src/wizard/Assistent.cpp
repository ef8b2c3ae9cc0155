#include "wizard/Assistent.h"

#include "folders/Datenordner.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"
#include "wizard/Schritte.h"

namespace mi {

Schrittprozeduren Schrittprozeduren::standard() {
    // Qualified: inside the struct the names are its members.
    return Schrittprozeduren{
        mi::Datenordner_auswaehlen, mi::Datenordner_checken,          mi::Importdatei_auswaehlen,
        mi::Importdatei_checken,    mi::Mitarbeiterdaten_importieren,
    };
}

Assistent::Assistent(Dienste& dienste, Startwerte start, Planerordner ordner,
                     Schrittprozeduren prozeduren)
    : dienste_(dienste), prozeduren_(std::move(prozeduren)) {
    sitzung_.start = std::move(start);
    sitzung_.ordner = std::move(ordner);
}

template <typename Rumpf>
void Assistent::ausfuehren(Rumpf&& rumpf) {
    if (beendet()) {
        return;
    }
    try {
        rumpf();
    } catch (const Programmende& ende) {
        endeVermerken(ende);
    }
}

void Assistent::endeVermerken(const Programmende& ende) {
    ende_ = ende;
    if (endbehandlung_) {
        endbehandlung_(ende);
    }
}

void Assistent::datenordnerUebernehmen() {
    const auto logpfad = prozeduren_.Datenordner_checken(dienste_, sitzung_.ordner.Datenpfad,
                                                         sitzung_.ordner.Logpfad);
    if (logpfad) {
        sitzung_.ordner.Logpfad = *logpfad;
        zustaende_.schrittAbschliessen(Schritt::Datenordner);
    }
}

void Assistent::pruefen() {
    Pruefergebnis ergebnis = prozeduren_.Importdatei_checken(
        dienste_, sitzung_.ordner.Datenpfad, sitzung_.Importdateipfad, sitzung_.start.Benutzername);
    sitzung_.Einstellungen = ergebnis.konfiguration.Einstellungen;
    sitzung_.import = std::move(ergebnis.datei);
    if (ergebnis.fehlerfrei) {
        zustaende_.schrittAbschliessen(Schritt::Pruefen);
    }
}

void Assistent::importieren() {
    const Importergebnis ergebnis = prozeduren_.Mitarbeiterdaten_importieren(
        dienste_, sitzung_.ordner, sitzung_.start, sitzung_.import.ImportZeilen,
        sitzung_.Einstellungen);
    sitzung_.Einstellungen = ergebnis.Einstellungen;
    if (ergebnis.importiert) {
        zustaende_.schrittAbschliessen(Schritt::Importieren);
    }
}

bool Assistent::dateiwahlOffen() const {
    return !beendet() && zustaende_.zustand() == Zustand::Importdatei;
}

void Assistent::importdateiUebernehmen(const QString& pfad) {
    if (!dateiwahlOffen()) {
        return;
    }
    sitzung_.Importdateipfad = pfad;
    zustaende_.schrittAbschliessen(Schritt::Importdatei);
}

std::optional<QString> Assistent::ablegbareImportdatei(const QList<QUrl>& urls) const {
    if (!dateiwahlOffen()) {
        return std::nullopt;
    }
    return abgelegteImportdateiErmitteln(dienste_.plattform, urls);
}

void Assistent::Form_Load() {
    ausfuehren([this] { laden(); });
}

void Assistent::laden() try {
    zustaende_ = Schrittzustaende();
    const QString& daten = sitzung_.ordner.Datenpfad;
    if (!daten.isEmpty() && planerdatenVorhanden(dienste_.plattform, daten)) {
        datenordnerUebernehmen();
    }
} catch (...) {
    fehlerBehandeln(dienste_, QStringLiteral("frmMitarbeiterImport - Form_Load"));
}

void Assistent::cmdAuswahl_Click(Knopf knopf) {
    ausfuehren([this, knopf] {
        switch (knopf) {
            case Knopf::Datenordner:
                if (const auto daten = prozeduren_.Datenordner_auswaehlen(dienste_)) {
                    sitzung_.ordner.Datenpfad = *daten;
                    datenordnerUebernehmen();
                }
                break;
            case Knopf::Importdatei:
                if (const auto datei = prozeduren_.Importdatei_auswaehlen(dienste_)) {
                    importdateiUebernehmen(*datei);
                }
                break;
            case Knopf::Pruefen:
                pruefen();
                break;
            case Knopf::Importieren:
                importieren();
                break;
            case Knopf::Schliessen:
                throw Programmende{Programmende::Grund::Schliessen, 0};
        }
    });
}

}  // namespace mi
