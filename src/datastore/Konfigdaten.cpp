#include "datastore/Konfigdaten.h"

#include "base/Auflistung.h"
#include "base/Zaehler16.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Zeilenverschluesselung.h"
#include "messages/Meldungen.h"
#include "services/Dienste.h"

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Konfigdaten.dat");

bool istAdministratorFuer(const QString& eintrag, const QString& benutzer) {
    const QString endung = QLatin1Char(':') + benutzer.toLower();
    return eintrag.right(endung.size()).toLower() == endung;
}

// The headers in their order, with the settings line after "[Settings]".
QString kopfUndEinstellungenLesen(Dienste& dienste) {
    const Texte& t = dienste.texte;
    kopfzeilePruefen(dienste, QStringLiteral("[Velmont]"), t.konfigKopfVelmont);
    LineIn(dienste);
    LineIn(dienste);
    kopfzeilePruefen(dienste, QStringLiteral("[Firma]"), t.konfigKopfFirma);
    LineIn(dienste);
    LineIn(dienste);
    kopfzeilePruefen(dienste, QStringLiteral("[Settings]"), t.konfigKopfSettings);
    QString einstellungen = LineIn(dienste);
    LineIn(dienste);

    bool kopfGefunden = false;
    while (!dienste.kanal.dateiende() && !kopfGefunden) {
        kopfGefunden = LineIn(dienste) == u"[Administratoren]";
    }
    if (!kopfGefunden) {
        Abbruchmeldung(dienste, t.konfigKopfAdministratoren);
    }
    return einstellungen;
}

}  // namespace

Konfiguration Konfigdaten_lesen(Dienste& dienste, const QString& Datenpfad,
                                const QString& Benutzername) try {
    planerdateiOeffnen(dienste, Datenpfad, Dateiname,
                       dienste.texte.konfigNichtGefunden.arg(Datenpfad));
    Konfiguration k;
    k.Einstellungen = kopfUndEinstellungenLesen(dienste);
    Zaehler16 administratoren;
    while (!dienste.kanal.dateiende()) {
        const QString eintrag = LineIn(dienste);
        if (eintrag == u"NoAdmins" || !eintrag.startsWith(QLatin1Char('A'))) {
            continue;
        }
        if (istAdministratorFuer(eintrag, Benutzername)) {
            k.Adminstatus = 2;
        }
        ++administratoren;
    }
    Datei_schliessen(dienste);

    if (administratoren.wert() == 0) {
        k.Adminstatus = 2;  // a planner without administrators lets everyone import
    }
    if (k.Einstellungen.size() >= 16 && k.Einstellungen.at(15) == u'1') {
        k.Adminstatus = 2;
    }
    return k;
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Konfigdaten_lesen"));
}

// The import writes the employee file only after this one, and the employee
// file's day values rely on the step written here, so nothing may pass
// silently: a file without a settings line to replace is its header fault, and
// an error of this procedure's own is reported.
void Konfigdaten_schreiben(Dienste& dienste, const QString& Datenpfad,
                           const QString& Einstellungen) try {
    const QString pfad =
        dateiFinden(dienste.plattform, Datenpfad, Dateiname).value_or(Datenpfad + Dateiname);
    Datei_oeffnen(dienste, pfad, Kanalmodus::Input);
    QStringList zeilen;
    Zaehler16 anzahl;
    while (!dienste.kanal.dateiende()) {
        ++anzahl;
        zeilen.append(LineIn(dienste));
    }
    Datei_schliessen(dienste);
    if (!zeilen.contains(u"[Settings]")) {
        Abbruchmeldung(dienste, dienste.texte.konfigKopfSettings);
    }

    Datei_oeffnen(dienste, pfad, Kanalmodus::Output);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        LineOut(dienste, zeilen.at(i));
        if (zeilen.at(i) == u"[Settings]") {
            LineOut(dienste, Einstellungen);
            ++i;  // the old settings line
        }
    }
    Datei_schliessen(dienste);
} catch (...) {
    fehlerBehandeln(dienste, QStringLiteral("modMitarbeiterImport - Konfigdaten_schreiben"));
}

}  // namespace mi
