#include "folders/Ordner.h"

#include "base/Plattform.h"
#include "messages/Dienste.h"
#include "messages/Meldungen.h"

#include <QDir>

namespace mi {

void Ordner_anlegen(Dienste& dienste, const QString& Pfad) {
    // mkdir, not mkpath: a missing parent is a failure, never created on the way.
    if (Pfad.isEmpty() || !QDir().mkdir(Pfad)) {
        Abbruchmeldung(dienste,
                       dienste.texte.ordnerNichtAngelegt.arg(Pfad_zitieren(dienste.texte, Pfad)));
    }
    Ordner_zugreifen(dienste, Pfad);
}

void Ordner_zugreifen(Dienste& dienste, const QString& Pfad) {
    const bool laufwerkOk = Pfad.size() < 2 || Pfad.at(1) != u':' || laufwerkWechseln(Pfad.at(0));
    if (!laufwerkOk || Pfad.isEmpty() || !QDir::setCurrent(Pfad)) {
        Abbruchmeldung(dienste,
                       dienste.texte.ordnerKeinZugriff.arg(Pfad_zitieren(dienste.texte, Pfad)));
    }
}

}  // namespace mi
