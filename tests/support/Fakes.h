#pragma once

#include "QtDruck.h"
#include "base/Dialoge.h"
#include "base/Plattform.h"
#include "services/Dienste.h"
#include "wizard/Schrittzustaende.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace mi {

// A state that fails an assertion shows its number.
inline void PrintTo(Zustand zustand, std::ostream* os) {
    *os << "state " << nummerLesen(zustand);
}

}  // namespace mi

namespace mi::test {

// What happened, in order: "beep", "box", "folder", "file". Lets a test see that
// a warning beeps before its box and a question never does.
using Protokoll = QStringList;

class PlattformFake : public Plattform {
  public:
    explicit PlattformFake(Protokoll* protokoll = nullptr) : protokoll_(protokoll) {}

    QHash<QString, QString> umgebungsvariablen;
    QString ordner = QStringLiteral("/programm");
    QDateTime zeit{QDate(2026, 12, 5), QTime(14, 30, 15)};
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    // File names the machine marks hidden or system, beside its own hidden ones.
    QSet<QString> verborgen;
    // The folders entered, in order. The tests' own current folder stays.
    QStringList betreten;

    QString umgebungsvariable(const QString& name) const override {
        return umgebungsvariablen.value(name);
    }
    QString programmordner() const override { return ordner; }
    QDateTime jetzt() const override { return zeit; }
    QLocale gebietsschema() const override { return locale; }
    double zufallszahlZiehen() override { return 0.5; }
    void signaltonGeben() override;
    std::optional<Dateiattribute> attribute(const QString& pfad) const override;
    // Made on the disk, where the files the fake lists are.
    bool verzeichnisAnlegen(const QString& pfad) override {
        return verzeichnisImSystemAnlegen(pfad);
    }
    // True when the folder exists.
    bool verzeichnisBetreten(const QString& pfad) override;

  private:
    Protokoll* protokoll_;
};

// Scripted dialogs: every box, folder choice and file choice must be expected
// in order; each is recorded. An unexpected one fails the test, and so does an
// expectation still unused when the fake goes, or an answer the box has no
// button for (Yes to All to the import's Yes/No question, say).
class DialogeFake : public Dialoge {
  public:
    explicit DialogeFake(Protokoll* protokoll = nullptr) : protokoll_(protokoll) {}
    DialogeFake(const DialogeFake&) = delete;
    DialogeFake& operator=(const DialogeFake&) = delete;
    ~DialogeFake() override;

    void boxErwarten(Antwort antwort) { skript_.emplace_back(antwort); }
    void ordnerErwarten(QString pfad) { skript_.emplace_back(OrdnerAntwort{std::move(pfad)}); }
    void dateiErwarten(std::optional<QString> pfad) {
        skript_.emplace_back(DateiAntwort{std::move(pfad)});
    }
    // Every question from now on is answered so, and every message with OK,
    // without being expected one by one.
    void immerAntworten(Antwort antwort) { immer_ = antwort; }

    std::vector<Meldungsbox> boxen;
    QStringList ordnerTitel;

    // The texts of all boxes shown, for compact assertions.
    QStringList boxtexte() const;

    Antwort zeigen(const Meldungsbox& box) override;
    QString ordnerWaehlen(const QString& titel) override;
    std::optional<QString> dateiWaehlen(const Dateiwahl& wahl) override;

  private:
    struct OrdnerAntwort {
        QString pfad;
    };
    struct DateiAntwort {
        std::optional<QString> pfad;
    };
    using Erwartung = std::variant<Antwort, OrdnerAntwort, DateiAntwort>;
    template <typename Art>
    std::optional<Art> erwartungNehmen(const char* was);

    std::deque<Erwartung> skript_;
    std::optional<Antwort> immer_;
    Protokoll* protokoll_;
};

// A fresh set of services with fakes, as every test builds one.
struct Umgebung {
    explicit Umgebung(Sprache sprache = Sprache::EN);

    Protokoll protokoll;
    PlattformFake plattform{&protokoll};
    DialogeFake dialoge{&protokoll};
    Dienste dienste;
};

}  // namespace mi::test
