#include "folders/Ordner.h"

#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"
#include "startup/Pfade.h"

#include <QDir>

namespace mi {

void Ordner_anlegen(Laufzeit& lz, const QString& Pfad) {
    // mkdir, not mkpath: a missing parent is a failure, never created on the way.
    if (Pfad.isEmpty() || !QDir().mkdir(Pfad)) {
        Abbruchmeldung(lz, lz.texte.ordnerNichtAngelegt.arg(Pfad_zitieren(lz.texte, Pfad)));
    }
    Ordner_zugreifen(lz, Pfad);
}

void Ordner_zugreifen(Laufzeit& lz, const QString& Pfad) {
    const bool laufwerkOk = Pfad.size() < 2 || Pfad.at(1) != u':' || laufwerkWechseln(Pfad.at(0));
    if (!laufwerkOk || Pfad.isEmpty() || !QDir::setCurrent(Pfad)) {
        Abbruchmeldung(lz, lz.texte.ordnerKeinZugriff.arg(Pfad_zitieren(lz.texte, Pfad)));
    }
}

}  // namespace mi
