#pragma once

#include "base/Fehler.h"
#include "import/Import.h"
#include "import/Importpruefung.h"
#include "wizard/Schrittzustaende.h"
#include "wizard/Sitzung.h"

#include <QList>
#include <QUrl>
#include <functional>
#include <optional>

namespace mi {

struct Dienste;

// What the buttons run. Production takes the real steps; tests put stand-ins
// in their place to see the dispatch alone.
struct Schrittprozeduren {
    std::function<std::optional<QString>(Dienste&)> Datenordner_auswaehlen;
    std::function<std::optional<QString>(Dienste&, const QString& Datenpfad,
                                         const QString& Logpfad)>
        Datenordner_checken;
    std::function<std::optional<QString>(Dienste&)> Importdatei_auswaehlen;
    std::function<Pruefergebnis(Dienste&, const QString& Datenpfad, const QString& Importdateipfad,
                                const QString& Benutzername)>
        Importdatei_checken;
    std::function<Importergebnis(Dienste&, const Planerordner&, const Startwerte&,
                                 const ImportTabelle&, const QString& Einstellungen)>
        Mitarbeiterdaten_importieren;

    static Schrittprozeduren standard();
};

// The window's logic without widgets: the session's values, the step states,
// the load-time jump to step 2 and the button dispatch. Only here is a step
// completed, from what its procedure returned. This is the one boundary where
// the ending procedures land: once the program has ended, nothing more runs.
class Assistent {
  public:
    Assistent(Dienste& dienste, Startwerte start, Planerordner ordner,
              Schrittprozeduren prozeduren = Schrittprozeduren::standard());

    void Form_Load();
    void cmdAuswahl_Click(Knopf knopf);

    // The one way a file becomes the session's import file, from the file
    // dialog or from a drop: while step 2 is current, it takes pfad and
    // completes step 2; at any other time it does nothing.
    void importdateiUebernehmen(const QString& pfad);
    // The file a drop of urls would hand to importdateiUebernehmen now:
    // nothing unless step 2 is current and the drop offers a file the file
    // dialog would have offered.
    std::optional<QString> ablegbareImportdatei(const QList<QUrl>& urls) const;

    const Schrittzustaende& zustaende() const { return zustaende_; }
    const Sitzung& sitzung() const { return sitzung_; }
    bool beendet() const { return ende_.has_value(); }
    const std::optional<Programmende>& ende() const { return ende_; }

    // Called once, when the program ends; production closes the window and
    // leaves the event loop with the status.
    void endbehandlungSetzen(std::function<void(const Programmende&)> aktion) {
        endbehandlung_ = std::move(aktion);
    }

  private:
    template <typename Rumpf>
    void ausfuehren(Rumpf&& rumpf);
    void endeVermerken(const Programmende& ende);
    bool dateiwahlOffen() const;
    // What loading the window decides: the steps' states and the jump to step 2.
    void laden();
    void datenordnerUebernehmen();
    void pruefen();
    void importieren();

    Dienste& dienste_;
    Schrittprozeduren prozeduren_;
    Sitzung sitzung_;
    Schrittzustaende zustaende_;
    std::optional<Programmende> ende_;
    std::function<void(const Programmende&)> endbehandlung_;
};

}  // namespace mi
