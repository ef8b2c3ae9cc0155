#pragma once

#include "datastore/Dateikanal.h"
#include "datastore/Mitarbeiterdaten.h"
#include "import/ImportZeile.h"
#include "messages/Dialoge.h"
#include "messages/Sprache.h"
#include "messages/Texte.h"
#include "startup/Plattform.h"

#include <QChar>
#include <QString>
#include <cstdint>

namespace mi {

// The run's values: created once by the program's entry, passed down by
// reference, never stored. Tests build a fresh one for every case.
struct Laufzeit {
    Laufzeit(Sprache s, Plattform& p, Dialoge& d)
        : sprache(s), texte(mi::texte(s)), plattform(p), dialoge(d) {}
    Laufzeit(const Laufzeit&) = delete;
    Laufzeit& operator=(const Laufzeit&) = delete;

    const Sprache sprache;
    const Texte& texte;
    Plattform& plattform;
    Dialoge& dialoge;
    Dateikanal kanal;

    QString Programmtitel;
    QChar Dezimalzeichen{u'.'};
    QString Tagesdatum;
    QString Benutzername;
    QString Installationspfad;
    QString Datenpfad;
    QString Logpfad;
    QString Importdateipfad;
    QChar Importtrennzeichen{u' '};
    ImportTabelle ImportZeilen;
    QString Einstellungen;
    std::int16_t Adminstatus = 0;
    Mitarbeiterdaten mitarbeiter;
};

}  // namespace mi
