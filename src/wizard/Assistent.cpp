#include "wizard/Assistent.h"

#include "folders/Datenordner.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"
#include "wizard/Schritte.h"

namespace mi {

Schrittprozeduren Schrittprozeduren::standard() {
    return Schrittprozeduren{
        Datenordner_auswaehlen, Datenordner_checken,          Importdatei_auswaehlen,
        Importdatei_checken,    Mitarbeiterdaten_importieren,
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
        beenden(ende);
    }
}

void Assistent::beenden(const Programmende& ende) {
    ende_ = ende;
    if (beiEnde_) {
        beiEnde_(ende);
    }
}

void Assistent::datenordnerChecken() {
    const auto logpfad = prozeduren_.datenordnerChecken(dienste_, sitzung_.ordner.Datenpfad,
                                                        sitzung_.ordner.Logpfad);
    if (logpfad) {
        sitzung_.ordner.Logpfad = *logpfad;
        zustaende_.Schritt_abschliessen(1);
    }
}

void Assistent::pruefen() {
    Pruefergebnis ergebnis = prozeduren_.importdateiChecken(
        dienste_, sitzung_.ordner.Datenpfad, sitzung_.Importdateipfad, sitzung_.start.Benutzername);
    sitzung_.Einstellungen = ergebnis.konfiguration.Einstellungen;
    sitzung_.Adminstatus = ergebnis.konfiguration.Adminstatus;
    sitzung_.import = std::move(ergebnis.datei);
    if (ergebnis.fehlerfrei) {
        zustaende_.Schritt_abschliessen(3);
    }
}

void Assistent::importieren() {
    const Importergebnis ergebnis = prozeduren_.mitarbeiterdatenImportieren(
        dienste_, sitzung_.ordner, sitzung_.start, sitzung_.import.zeilen, sitzung_.Einstellungen);
    sitzung_.Einstellungen = ergebnis.Einstellungen;
    if (ergebnis.importiert) {
        zustaende_.Schritt_abschliessen(4);
    }
}

bool Assistent::dateiwahlOffen() const {
    return !beendet() && zustaende_.zustand() == 2;
}

void Assistent::Importdatei_uebernehmen(const QString& pfad) {
    if (!dateiwahlOffen()) {
        return;
    }
    sitzung_.Importdateipfad = pfad;
    zustaende_.Schritt_abschliessen(2);
}

std::optional<QString> Assistent::ablegbareImportdatei(const QList<QUrl>& urls) const {
    if (!dateiwahlOffen()) {
        return std::nullopt;
    }
    return Importdatei_aus_Ablage(dienste_.plattform, urls);
}

void Assistent::Form_Load() {
    ausfuehren([this] {
        mitFehlerbericht(dienste_, QStringLiteral("frmMitarbeiterImport - Form_Load"), [this] {
            zustaende_ = Schrittzustaende();
            const QString& daten = sitzung_.ordner.Datenpfad;
            if (!daten.isEmpty() && Planerdaten_vorhanden(dienste_.plattform, daten)) {
                datenordnerChecken();
            }
        });
    });
}

void Assistent::cmdAuswahl_Click(int index) {
    ausfuehren([this, index] {
        switch (index) {
            case 1:
                if (const auto daten = prozeduren_.datenordnerAuswaehlen(dienste_)) {
                    sitzung_.ordner.Datenpfad = *daten;
                    datenordnerChecken();
                }
                break;
            case 2:
                if (const auto datei = prozeduren_.importdateiAuswaehlen(dienste_)) {
                    Importdatei_uebernehmen(*datei);
                }
                break;
            case 3:
                pruefen();
                break;
            case 4:
                importieren();
                break;
            case 5:
                throw Programmende{Programmende::Grund::Schliessen, 0};
            default:
                break;
        }
    });
}

}  // namespace mi
