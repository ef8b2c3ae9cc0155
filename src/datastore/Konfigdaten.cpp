#include "datastore/Konfigdaten.h"

#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Zaehler16.h"

namespace mi {

namespace {

const QString Dateiname = QStringLiteral("Konfigdaten.dat");

bool istAdministratorFuer(const QString& eintrag, const QString& benutzer) {
    const QString endung = QLatin1Char(':') + benutzer.toLower();
    return eintrag.right(endung.size()).toLower() == endung;
}

}  // namespace

void Konfigdaten_lesen(Laufzeit& lz) {
    mitFehlerbericht(lz, QStringLiteral("modMitarbeiterImport - Konfigdaten_lesen"), [&] {
        const Texte& t = lz.texte;
        Planerdatei_öffnen(lz, Dateiname, t.konfigNichtGefunden.arg(lz.Datenpfad));
        Kopfzeile_prüfen(lz, QStringLiteral("[Velmont]"), t.konfigKopfVelmont);
        LineIn(lz);
        LineIn(lz);
        Kopfzeile_prüfen(lz, QStringLiteral("[Firma]"), t.konfigKopfFirma);
        LineIn(lz);
        LineIn(lz);
        Kopfzeile_prüfen(lz, QStringLiteral("[Settings]"), t.konfigKopfSettings);
        lz.Einstellungen = LineIn(lz);
        LineIn(lz);

        bool kopfGefunden = false;
        while (!lz.kanal.dateiende() && !kopfGefunden) {
            kopfGefunden = LineIn(lz) == u"[Administratoren]";
        }
        if (!kopfGefunden) {
            Abbruchmeldung(lz, t.konfigKopfAdministratoren);
        }

        lz.Adminstatus = 0;
        Zaehler16 administratoren;
        while (!lz.kanal.dateiende()) {
            const QString eintrag = LineIn(lz);
            if (eintrag == u"NoAdmins" || !eintrag.startsWith(QLatin1Char('A'))) {
                continue;
            }
            if (istAdministratorFuer(eintrag, lz.Benutzername)) {
                lz.Adminstatus = 2;
            }
            ++administratoren;
        }
        Datei_schließen(lz);

        if (administratoren.wert() == 0) {
            lz.Adminstatus = 2;  // a planner without administrators lets everyone import
        }
        if (lz.Einstellungen.size() >= 16 && lz.Einstellungen.at(15) == u'1') {
            lz.Adminstatus = 2;
        }
    });
}

void Konfigdaten_schreiben(Laufzeit& lz) {
    // Errors of this procedure's own are passed over: the import is done by
    // now and the settings line merely stays as it was. The line reader, the
    // line writer, the opener and the save at the close report their own, so a
    // file that could not be saved is never taken for written.
    try {
        const QString pfad =
            Datei_finden(lz.Datenpfad, Dateiname).value_or(lz.Datenpfad + Dateiname);
        Datei_öffnen(lz, pfad, QStringLiteral("Input"), QString());
        QStringList zeilen;
        Zaehler16 anzahl;
        while (!lz.kanal.dateiende()) {
            ++anzahl;
            zeilen.append(LineIn(lz));
        }
        Datei_schließen(lz);
        if (zeilen.isEmpty()) {
            return;
        }

        Datei_öffnen(lz, pfad, QStringLiteral("Output"), QString());
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            LineOut(lz, zeilen.at(i));
            if (zeilen.at(i) == u"[Settings]") {
                LineOut(lz, lz.Einstellungen);
                ++i;  // the old settings line
            }
        }
        Datei_schließen(lz);
    } catch (const std::exception&) {
        lz.kanal.verwerfen();
    }
}

}  // namespace mi
