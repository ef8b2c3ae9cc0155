// rundgang: walks the wizard once through its four steps on a copy of the demo
// planner, as a user would: the real window, the real message boxes (answered
// from inside their own event loop), the real check and import. Only the folder
// and file choices are given, since they need a person at the native dialogs.
//
// It is built in the program's language and checks what that build shows: the
// window's texts, the widths, Qt's "Yes to All" in that language, the list of
// faults, one message, a file refused as no text file, a name the planner
// cannot store, each state on the way and the employee file it wrote.
// Given a folder, it also saves a picture of the window in each of its five
// states (zustand1.png … zustand5.png), of one row question (frage.png) and of
// the summary with its list of faults shown (zusammenfassung.png) there.
//
// Without an installation the copy has no settings file and the window opens
// at step 1. With one, the program finds the copy on its own as on a planner's
// PC, through a settings file naming the copied data folder in
// %ProgramFiles%\Velmora or in %PUBLIC%'s VirtualStore, and opens at step 2.
//
//   rundgang [--found-through ProgramFiles|PUBLIC] [picture-folder]
//
// Exit status 0 when every check held, 1 otherwise.
//
//   rundgang --import <data-folder> <import-file>
//
// checks and imports the file into the given planner data folder itself, not
// a copy, without a settings file, in the build's language and the locale of
// the environment: every question answered Yes, every message OK, each box's
// text printed as it comes ("box: ", its line breaks as \r). It checks
// nothing and ends with the window's state ("state: 1" to "state: 5", or
// "ended" when the program ended on a message); the failure tests run it to
// see what a whole import does when the disk fails under it.

#include "base/Pfade.h"
#include "datastore/Mitarbeiterdaten.h"
#include "services/Dienste.h"
#include "startup/Start.h"
#include "texts/Sprache.h"
#include "window/Fenster.h"
#include "window/QtDialoge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>

namespace {

// What each language build must show, written out here rather than taken from
// the catalogue, so that a build that picked the wrong language is caught.
struct Sprachbild {
    const char* titel;
    const char* schliessen;
    const char* fehlerfrei;
    int zuschlagTwips;
    const char* jaAlle;          // Qt's own button text, with its mnemonic
    const char* fehlerliste;     // the faults of Mitarbeiterliste_fehlerhaft.csv
    const char* keineTextdatei;  // a workbook chosen as the import file, %1 its path
    const char* fremdeZeichen;   // the question about a name the planner cannot store
};

Sprachbild sprachbildWaehlen(mi::Sprache sprache) {
    switch (sprache) {
        case mi::Sprache::DE:
            return {"Mitarbeiterdaten importieren",
                    "Beenden",
                    "Prüfen der Importdaten fehlerfrei",
                    0,
                    "Ja, &alle",
                    "Fehler in Zeile 3, Jürgen Müller: Resturlaub twelve nicht nummerisch\n"
                    "Fehler in Zeile 4, Chloé Lefèvre: Urlaubsanspruch thirty nicht nummerisch\n"
                    "Fehler in Zeile 6, Carl Oldfield: 'Von-Datum' 2019-02-30 ist fehlerhaft\n"
                    "Fehler in Zeile 7, Dana Novak: Name/Benutzerkennung ABERGER ist doppelt "
                    "vorhanden",
                    "Importdatei '%1' ist keine Textdatei. Speichern Sie sie als CSV und wählen "
                    "Sie sie erneut aus.",
                    "Fehler in Zeile 1\n\nFeld Name enthält Zeichen, die der Velmorat nicht "
                    "speichern kann: ř, Ł\n\nMöchten Sie fortsetzen?"};
        case mi::Sprache::FR:
            return {"Import des Employés",
                    "Fermer",
                    "Test terminé. Aucune erreur trouvée.",
                    480,
                    "Oui à &tout",
                    "Erreur à l'enregistrement numéro 3, Jürgen Müller : Reliquat CP twelve "
                    "n'est pas un nombre\n"
                    "Erreur à l'enregistrement numéro 4, Chloé Lefèvre : Droits CP thirty n'est "
                    "pas un nombre\n"
                    "Erreur à l'enregistrement numéro 6, Carl Oldfield : La date 2019-02-30 est "
                    "invalide\n"
                    "Erreur à l'enregistrement numéro 7, Dana Novak : Nom/Nom d'Utilisateur "
                    "Windows ABERGER est en double",
                    "Le fichier d'import « %1 » n'est pas un fichier texte. Enregistrez-le au "
                    "format CSV et sélectionnez-le à nouveau.",
                    "Erreur à l'enregistrement numéro 1\n\nLe champ Nom contient des caractères "
                    "que le logiciel ne peut pas enregistrer : ř, Ł\n\nVoulez-vous continuer ?"};
        case mi::Sprache::EN:
            break;
    }
    return {"Import Employee Data",
            "Close",
            "Testing completed. No errors found.",
            0,
            "Yes to &All",
            "Error in row 3, Jürgen Müller: Residual vacation twelve not numeric\n"
            "Error in row 4, Chloé Lefèvre: Vacation entitlement thirty not numeric\n"
            "Error in row 6, Carl Oldfield: Date 2019-02-30 is invalid\n"
            "Error in row 7, Dana Novak: Name/Windows User Name ABERGER exists twice",
            "Import file '%1' is not a text file. Save it as CSV and select it again.",
            "Error in row 1\n\nField Name holds characters the Velmora cannot store: ř, Ł\n\n"
            "Do you want to continue?"};
}

// Window and frame widths, in twips before the language's widening.
constexpr int FensterBreite = 4260;
constexpr int RahmenBreite = 3645;

// Shows the real message box and hands it to beantworten from inside the
// box's own event loop, as soon as it is up; returns the answer it was given.
template <typename Beantwortung>
mi::Antwort boxBeantworten(mi::QtDialoge& dialoge, const mi::Meldungsbox& box,
                           Beantwortung beantworten) {
    QTimer takt;
    takt.setInterval(10);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        auto* fenster = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (fenster != nullptr && fenster->isVisible()) {
            takt.stop();
            beantworten(*fenster);
        }
    });
    takt.start();
    // The base's box, not the caller's override, which called this.
    return dialoge.mi::QtDialoge::zeigen(box);
}

class Befund {
  public:
    void pruefen(bool gut, const QString& was) {
        if (!gut) {
            fehler_ << was;
        }
    }
    void vergleichen(const QString& was, const QString& ist, const QString& soll) {
        pruefen(ist == soll, QStringLiteral("%1: \"%2\", expected \"%3\"").arg(was, ist, soll));
    }
    void vergleichen(const QString& was, int ist, int soll) {
        pruefen(ist == soll, QStringLiteral("%1: %2, expected %3").arg(was).arg(ist).arg(soll));
    }
    const QStringList& fehler() const { return fehler_; }

  private:
    QStringList fehler_;
};

// One box the walk expects next, how it answers, the picture it takes of it
// (with the details shown, if the box has any) and the details it must have.
struct Box {
    mi::Symbol symbol;
    mi::Antwort antwort;
    QString bild;
    QString details;
};

// The production binding for every box; the answer is clicked on the real box
// once it is up. Folder and file choices come from the walk.
class Rundgangdialoge : public mi::QtDialoge {
  public:
    Rundgangdialoge(Befund& befund, QString bilderordner, QString jaAlle)
        : befund_(befund), bilderordner_(std::move(bilderordner)), jaAlle_(std::move(jaAlle)) {}

    void boxErwarten(Box box) { erwartet_.push_back(std::move(box)); }
    bool alleGezeigt() const { return erwartet_.empty(); }
    const QString& letzterText() const { return letzterText_; }

    QString ordner;
    std::optional<QString> datei;

    mi::Antwort zeigen(const mi::Meldungsbox& box) override {
        if (erwartet_.empty()) {
            befund_.pruefen(false, QStringLiteral("unexpected box: ") + box.text);
            return box.knoepfe == mi::Boxknoepfe::JaNein ? mi::Antwort::Nein : mi::Antwort::OK;
        }
        const Box naechste = erwartet_.front();
        erwartet_.pop_front();
        befund_.pruefen(box.symbol == naechste.symbol,
                        QStringLiteral("box of the wrong kind: ") + box.text);

        const mi::Antwort antwort = boxBeantworten(*this, box, [&](QMessageBox& fenster) {
            letzterText_ = fenster.text();
            befund_.vergleichen(QStringLiteral("details"), fenster.detailedText(),
                                naechste.details);
            if (QAbstractButton* alle = fenster.button(QMessageBox::YesToAll)) {
                befund_.vergleichen(QStringLiteral("Yes to All button"), alle->text(), jaAlle_);
            }
            if (!naechste.bild.isEmpty()) {
                detailsZeigen(&fenster);
                bildSpeichern(&fenster, naechste.bild);
            }
            if (QAbstractButton* knopf = fenster.button(mi::qtKnopfWaehlen(naechste.antwort))) {
                knopf->click();
            } else {
                befund_.pruefen(false, QStringLiteral("no button for the answer: ") + box.text);
                fenster.reject();
            }
        });
        befund_.pruefen(antwort == naechste.antwort,
                        QStringLiteral("the box did not return the clicked answer: ") + box.text);
        return antwort;
    }

    QString ordnerWaehlen(const QString&) override { return ordner; }
    std::optional<QString> dateiWaehlen(const mi::Dateiwahl&) override { return datei; }

    void bildSpeichern(QWidget* widget, const QString& name) {
        if (bilderordner_.isEmpty()) {
            return;
        }
        const QString pfad = QDir(bilderordner_).filePath(name);
        befund_.pruefen(widget->grab().save(pfad), QStringLiteral("cannot save ") + pfad);
    }

  private:
    // Presses "Show Details..." where the box has it and lets it lay out anew.
    static void detailsZeigen(QMessageBox* fenster) {
        for (QAbstractButton* knopf : fenster->buttons()) {
            if (fenster->buttonRole(knopf) == QMessageBox::ActionRole) {
                knopf->click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                QCoreApplication::processEvents();
            }
        }
    }

    Befund& befund_;
    QString bilderordner_;
    QString jaAlle_;
    std::deque<Box> erwartet_;
    QString letzterText_;
};

// Answers every box as it comes, Yes to a question and OK to a message, and
// prints its text first, so that a process killed at the next step has
// already told what it showed.
class Jadialoge : public mi::QtDialoge {
  public:
    QString ordner;
    QString datei;

    mi::Antwort zeigen(const mi::Meldungsbox& box) override {
        QString text = box.text;
        std::printf("box: %s\n", text.replace(u'\r', QStringLiteral("\\r")).toUtf8().constData());
        std::fflush(stdout);
        const mi::Antwort antwort =
            box.knoepfe == mi::Boxknoepfe::OK ? mi::Antwort::OK : mi::Antwort::Ja;
        return boxBeantworten(*this, box, [&](QMessageBox& fenster) {
            fenster.button(mi::qtKnopfWaehlen(antwort))->click();
        });
    }
    QString ordnerWaehlen(const QString&) override { return ordner; }
    std::optional<QString> dateiWaehlen(const mi::Dateiwahl&) override { return datei; }
};

// The program looks for its installation through these, as on Windows; an
// empty oeffentlich leaves it no VirtualStore to look in.
void umgebungsvariablenSetzen(const QString& basis, const QString& oeffentlich) {
    qputenv("ProgramFiles", QDir::toNativeSeparators(basis).toLocal8Bit());
    qputenv("PUBLIC", QDir::toNativeSeparators(oeffentlich).toLocal8Bit());
    qputenv("USERNAME", "demo");
}

int importieren(mi::Sprache sprache, const QString& daten, const QString& datei) {
    QTemporaryDir basis;  // an installation without a settings file: step 1 first
    if (!basis.isValid() || !QDir().mkpath(basis.filePath(QStringLiteral("Velmora")))) {
        std::fprintf(stderr, "rundgang: cannot make an installation folder\n");
        return 2;
    }
    umgebungsvariablenSetzen(basis.path(), {});
    mi::QtPlattform plattform;
    Jadialoge dialoge;
    dialoge.ordner = QDir::toNativeSeparators(QDir(daten).absolutePath());
    dialoge.datei = QDir::toNativeSeparators(QFileInfo(datei).absoluteFilePath());
    mi::Dienste dienste(sprache, plattform, dialoge);
    std::unique_ptr<mi::frmMitarbeiterImport> fenster;
    const auto ende =
        mi::Main(dienste, [&](const mi::Startwerte& start, const mi::Planerordner& ordner) {
            fenster = mi::fensterOeffnen(dienste, start, ordner);
        });
    // A message may end the program at start-up or at any step.
    const auto laeuft = [&] { return !ende && fenster && !fenster->assistent().beendet(); };
    for (const mi::Schritt schritt : mi::AlleSchritte) {
        if (laeuft()) {
            fenster->cmdAuswahl(mi::schrittknopfFinden(schritt))->click();
        }
    }
    if (laeuft()) {
        std::printf("state: %d\n", mi::nummerLesen(fenster->assistent().zustaende().zustand()));
    } else {
        std::printf("ended\n");
    }
    return 0;
}

bool ordnerKopieren(const QString& von, const QString& nach) {
    QDirIterator it(von, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString quelle = it.next();
        const QString ziel = QDir(nach).filePath(QDir(von).relativeFilePath(quelle));
        if (!QDir().mkpath(QFileInfo(ziel).path()) || !QFile::copy(quelle, ziel)) {
            return false;
        }
    }
    return true;
}

enum class Fundort { Keiner, ProgramFiles, Public };

enum class Betriebsart { Rundgang, Import };

// What the command line asks for: the walk with where the copy is found and
// where its pictures go, or an import with its two paths.
struct Befehlszeile {
    Betriebsart betriebsart = Betriebsart::Rundgang;
    Fundort fundort = Fundort::Keiner;
    QString bilderordner;
    QString daten;
    QString datei;
};

// Empty when the arguments make no sense; a later argument wins over an
// earlier one.
std::optional<Befehlszeile> befehlszeileLesen(int argc, char* argv[]) {
    Befehlszeile befehlszeile;
    if (argc == 4 && argv[1] == QLatin1String("--import")) {
        befehlszeile.betriebsart = Betriebsart::Import;
        befehlszeile.daten = QString::fromLocal8Bit(argv[2]);
        befehlszeile.datei = QString::fromLocal8Bit(argv[3]);
        return befehlszeile;
    }
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument != QLatin1String("--found-through")) {
            // Absolute, since the import changes the working folder.
            befehlszeile.bilderordner = QDir(argument).absolutePath();
        } else if (i + 1 < argc && argv[i + 1] == QLatin1String("ProgramFiles")) {
            befehlszeile.fundort = Fundort::ProgramFiles;
            ++i;
        } else if (i + 1 < argc && argv[i + 1] == QLatin1String("PUBLIC")) {
            befehlszeile.fundort = Fundort::Public;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return befehlszeile;
}

bool schreiben(const QString& ziel, const QByteArray& inhalt) {
    QFile datei(ziel);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           datei.write(inhalt) == inhalt.size();
}

// The settings file the planner's set-up leaves, in its plain form.
bool einstellungenSchreiben(const QString& installation, const QString& daten) {
    const QString text =
        QStringLiteral("[Velmont]\r\ndata_pfad=%1\r\nlog_pfad=%2\r\n")
            .arg(mi::trennerAnhaengen(QDir::toNativeSeparators(daten)),
                 mi::trennerAnhaengen(QDir::toNativeSeparators(daten + QStringLiteral("/Logs"))));
    return schreiben(QDir(installation).filePath(QStringLiteral("Velmont.dat")),
                     text.toLocal8Bit());
}

bool dateiErsetzen(const QString& ziel, const QString& quelle) {
    QFile::remove(ziel);
    return QFile::copy(quelle, ziel);
}

// Texts, widths and that every text fits its control in this language.
void fensterPruefen(Befund& b, mi::frmMitarbeiterImport& f, const Sprachbild& soll) {
    b.vergleichen(QStringLiteral("window title"), f.windowTitle(), QString::fromUtf8(soll.titel));
    b.vergleichen(QStringLiteral("Close button"), f.cmdAuswahl(mi::Knopf::Schliessen)->text(),
                  QString::fromUtf8(soll.schliessen));
    b.vergleichen(QStringLiteral("window width"), f.width(),
                  f.waagerechtUmrechnen(FensterBreite + soll.zuschlagTwips));
    for (const mi::Schritt schritt : mi::AlleSchritte) {
        const int n = mi::nummerLesen(schritt);
        QGroupBox* rahmen = f.fraRahmen(schritt);
        b.vergleichen(QStringLiteral("width of frame %1").arg(n), rahmen->width(),
                      f.waagerechtUmrechnen(RahmenBreite + soll.zuschlagTwips));
        b.pruefen(rahmen->fontMetrics().horizontalAdvance(rahmen->title()) < rahmen->width(),
                  QStringLiteral("frame %1's caption does not fit").arg(n));
    }
    for (const mi::Knopf k : mi::AlleKnoepfe) {
        QPushButton* knopf = f.cmdAuswahl(k);
        b.pruefen(knopf->fontMetrics().horizontalAdvance(knopf->text()) < knopf->width(),
                  QStringLiteral("button %1's text does not fit").arg(mi::nummerLesen(k)));
    }
}

QString beispielpfadBilden(const QString& name) {
    return QStringLiteral(MI_BEISPIELE "/") + name;
}

// Where the copy of the demo planner lies: a folder tree as on a planner's PC.
struct Demokopie {
    QString daten;
    QString basis;
    QString oeffentlich;
    QString installation;
    QString importdatei;
};

// The copy, so that the built demo itself stays as it is; with a settings
// file where the program is to find the copy on its own.
std::optional<Demokopie> demoKopieren(const QTemporaryDir& wurzel, Fundort fundort) {
    const QDir ort(wurzel.path());
    Demokopie kopie;
    kopie.daten = ort.filePath(QStringLiteral("Documents/VelmoraData"));
    kopie.basis = ort.filePath(QStringLiteral("Program Files"));
    kopie.oeffentlich = ort.filePath(QStringLiteral("Public"));
    kopie.installation =
        fundort == Fundort::Public
            ? kopie.oeffentlich +
                  QStringLiteral("/AppData/Local/VirtualStore/Program Files/Velmora")
            : kopie.basis + QStringLiteral("/Velmora");
    kopie.importdatei = ort.filePath(QStringLiteral("Mitarbeiter.csv"));
    if (!wurzel.isValid() || !ordnerKopieren(QStringLiteral(MI_DEMO_DATEN), kopie.daten) ||
        !QDir().mkpath(kopie.installation) ||
        (fundort != Fundort::Keiner && !einstellungenSchreiben(kopie.installation, kopie.daten)) ||
        !QFile::copy(beispielpfadBilden(QStringLiteral("Mitarbeiterliste_fehlerhaft.csv")),
                     kopie.importdatei)) {
        return std::nullopt;
    }
    return kopie;
}

// The window as the program opens it, walked through its steps one stretch
// at a time; every check that fails is noted, and the walk goes on, so that
// one run tells all that went wrong.
class Rundgang {
  public:
    Rundgang(mi::Sprache sprache, const Befehlszeile& befehlszeile, Demokopie kopie)
        : soll_(sprachbildWaehlen(sprache)),
          fundort_(befehlszeile.fundort),
          kopie_(std::move(kopie)),
          dialoge_(befund_, befehlszeile.bilderordner, QString::fromUtf8(soll_.jaAlle)),
          dienste_(sprache, plattform_, dialoge_) {}

    // False when the program ended before its window was up.
    bool starten() {
        const auto ende =
            mi::Main(dienste_, [&](const mi::Startwerte& start, const mi::Planerordner& ordner) {
                gefunden_ = start;
                gelesen_ = ordner;
                fenster_ = mi::fensterOeffnen(dienste_, start, ordner);
            });
        return !ende && fenster_ && !fenster_->assistent().beendet();
    }

    // From the window as it opens to step 3, choosing the folder only where
    // no settings file names it.
    void auswahlschritteAusfuehren() {
        fensterPruefen(befund_, *fenster_, soll_);
        if (fundort_ == Fundort::Keiner) {
            standPruefen(mi::Zustand::Datenordner);
            dialoge_.ordner = QDir::toNativeSeparators(kopie_.daten);
            klicken(mi::Knopf::Datenordner);
        } else {
            befund_.vergleichen(
                QStringLiteral("installation found"), gefunden_.Installationspfad,
                mi::trennerAnhaengen(QDir::toNativeSeparators(kopie_.installation)));
            befund_.vergleichen(QStringLiteral("data folder from the settings"), gelesen_.Datenpfad,
                                mi::trennerAnhaengen(QDir::toNativeSeparators(kopie_.daten)));
        }
        standPruefen(mi::Zustand::Importdatei);
        dialoge_.datei = QDir::toNativeSeparators(kopie_.importdatei);
        klicken(mi::Knopf::Importdatei);
        standPruefen(mi::Zustand::Pruefen);
    }

    void abgelehnteDateienPruefen() {
        // A workbook saved under the name of a CSV file is refused before any row.
        dateiinhaltPruefen(QByteArray("PK\x03\x04\x14\x00\x06\x00", 8), mi::Symbol::Warnung,
                           mi::Antwort::OK,
                           QString::fromUtf8(soll_.keineTextdatei)
                               .arg(QDir::toNativeSeparators(kopie_.importdatei)));
        // Letters the planner cannot store: a row question, answered No.
        dateiinhaltPruefen(QByteArray("Dvo\xC5\x99\xC3\xA1k \xC5\x81ukasz;lukasz\r\n"),
                           mi::Symbol::Frage, mi::Antwort::Nein,
                           QString::fromUtf8(soll_.fremdeZeichen));
        befund_.pruefen(
            dateiErsetzen(kopie_.importdatei,
                          beispielpfadBilden(QStringLiteral("Mitarbeiterliste_fehlerhaft.csv"))),
            QStringLiteral("cannot restore the import file"));
    }

    // Row faults: Yes to All at the first goes through to the summary, which
    // lists them all, and the step stays open.
    void zeilenfehlerPruefen() {
        dialoge_.boxErwarten(
            {mi::Symbol::Frage, mi::Antwort::JaAlle, QStringLiteral("frage.png"), {}});
        dialoge_.boxErwarten({mi::Symbol::Warnung, mi::Antwort::OK,
                              QStringLiteral("zusammenfassung.png"),
                              QString::fromUtf8(soll_.fehlerliste)});
        klicken(mi::Knopf::Pruefen);
        befund_.vergleichen(QStringLiteral("state after a fault"), zustandsnummer(),
                            mi::nummerLesen(mi::Zustand::Pruefen));
    }

    // The user mends the file and checks again.
    void berichtigteDateiPruefen() {
        befund_.pruefen(dateiErsetzen(kopie_.importdatei,
                                      beispielpfadBilden(QStringLiteral("Mitarbeiterliste.csv"))),
                        QStringLiteral("cannot mend the import file"));
        dialoge_.boxErwarten({mi::Symbol::Warnung, mi::Antwort::OK, {}, {}});
        klicken(mi::Knopf::Pruefen);
        befund_.vergleichen(QStringLiteral("message after the check"), dialoge_.letzterText(),
                            QString::fromUtf8(soll_.fehlerfrei));
        standPruefen(mi::Zustand::Importieren);
    }

    // Overwriting the demo's employees is asked first; what counts is the
    // employee file on disk afterwards.
    void importAusfuehren() {
        dialoge_.boxErwarten({mi::Symbol::Frage, mi::Antwort::Ja, {}, {}});
        dialoge_.boxErwarten({mi::Symbol::Warnung, mi::Antwort::OK, {}, {}});
        klicken(mi::Knopf::Importieren);
        standPruefen(mi::Zustand::Fertig);
        befund_.pruefen(dialoge_.alleGezeigt(), QStringLiteral("an expected box was never shown"));

        const mi::Mitarbeiterliste liste =
            mi::Mitarbeiterdaten_lesen(dienste_, fenster_->assistent().sitzung().ordner.Datenpfad);
        befund_.pruefen(
            std::any_of(liste.eintraege.begin(), liste.eintraege.end(),
                        [](const mi::Mitarbeiter& m) { return m.Benutzerkennung == u"dnovak"; }),
            QStringLiteral("the employee file does not hold the imported list"));
    }

    void fensterSchliessen() {
        klicken(mi::Knopf::Schliessen);
        befund_.pruefen(fenster_->assistent().beendet() && !fenster_->isVisible(),
                        QStringLiteral("Close did not end the program"));
    }

    // The exit status: 1 with every failed check on stderr, else 0.
    int befundMelden() const {
        for (const QString& fehler : befund_.fehler()) {
            std::fprintf(stderr, "rundgang (%s): %s\n", MI_SPRACHE, fehler.toUtf8().constData());
        }
        if (!befund_.fehler().isEmpty()) {
            return 1;
        }
        if (fundort_ != Fundort::Keiner) {
            std::printf("rundgang (%s): planner found in %s\n", MI_SPRACHE,
                        qPrintable(gefunden_.Installationspfad));
        }
        std::printf("rundgang (%s): all four steps done, every check held\n", MI_SPRACHE);
        return 0;
    }

  private:
    int zustandsnummer() const {
        return mi::nummerLesen(fenster_->assistent().zustaende().zustand());
    }

    void standPruefen(mi::Zustand ziel) {
        QCoreApplication::processEvents();
        befund_.vergleichen(QStringLiteral("state"), zustandsnummer(), mi::nummerLesen(ziel));
        dialoge_.bildSpeichern(fenster_.get(),
                               QStringLiteral("zustand%1.png").arg(mi::nummerLesen(ziel)));
    }

    // A disabled button would take the click without a word.
    void klicken(mi::Knopf knopf) {
        befund_.pruefen(fenster_->cmdAuswahl(knopf)->isEnabled(),
                        QStringLiteral("button %1 is disabled").arg(mi::nummerLesen(knopf)));
        fenster_->cmdAuswahl(knopf)->click();
    }

    // The check of an import file with this content ends on one box and
    // leaves the step open.
    void dateiinhaltPruefen(const QByteArray& inhalt, mi::Symbol symbol, mi::Antwort antwort,
                            const QString& text) {
        befund_.pruefen(schreiben(kopie_.importdatei, inhalt),
                        QStringLiteral("cannot write the import file"));
        dialoge_.boxErwarten({symbol, antwort, {}, {}});
        klicken(mi::Knopf::Pruefen);
        befund_.vergleichen(QStringLiteral("message of the check"), dialoge_.letzterText(), text);
        befund_.vergleichen(QStringLiteral("state after the check"), zustandsnummer(),
                            mi::nummerLesen(mi::Zustand::Pruefen));
    }

    const Sprachbild soll_;
    const Fundort fundort_;
    const Demokopie kopie_;
    Befund befund_;
    mi::QtPlattform plattform_;
    Rundgangdialoge dialoge_;
    mi::Dienste dienste_;
    std::unique_ptr<mi::frmMitarbeiterImport> fenster_;
    mi::Startwerte gefunden_;
    mi::Planerordner gelesen_;
};

int rundgangAusfuehren(mi::Sprache sprache, const Befehlszeile& befehlszeile) {
    if (!befehlszeile.bilderordner.isEmpty() && !QDir().mkpath(befehlszeile.bilderordner)) {
        std::fprintf(stderr, "rundgang: cannot create %s\n", qPrintable(befehlszeile.bilderordner));
        return 1;
    }
    QTemporaryDir wurzel;
    std::optional<Demokopie> kopie = demoKopieren(wurzel, befehlszeile.fundort);
    if (!kopie) {
        std::fprintf(stderr, "rundgang: cannot copy the demo planner (build the target demo)\n");
        return 1;
    }
    umgebungsvariablenSetzen(
        kopie->basis, befehlszeile.fundort == Fundort::Public ? kopie->oeffentlich : QString());

    Rundgang rundgang(sprache, befehlszeile, std::move(*kopie));
    if (!rundgang.starten()) {
        std::fprintf(stderr, "rundgang: the program ended at start-up\n");
        return 1;
    }
    rundgang.auswahlschritteAusfuehren();
    rundgang.abgelehnteDateienPruefen();
    rundgang.zeilenfehlerPruefen();
    rundgang.berichtigteDateiPruefen();
    rundgang.importAusfuehren();
    rundgang.fensterSchliessen();
    return rundgang.befundMelden();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const mi::Sprache sprache = *mi::spracheErkennen(QStringLiteral(MI_SPRACHE));
    const std::optional<Befehlszeile> befehlszeile = befehlszeileLesen(argc, argv);
    if (!befehlszeile) {
        std::fprintf(stderr,
                     "usage: rundgang [--found-through ProgramFiles|PUBLIC] [picture-folder]\n"
                     "       rundgang --import <data-folder> <import-file>\n");
        return 2;
    }
    // Qt's own texts in the build's language, as the program loads them.
    QTranslator qtTexte;
    mi::qtTexteLaden(qtTexte, sprache);
    if (befehlszeile->betriebsart == Betriebsart::Import) {
        return importieren(sprache, befehlszeile->daten, befehlszeile->datei);
    }
    return rundgangAusfuehren(sprache, *befehlszeile);
}
