#pragma once

#include "base/Fehler.h"
#include "base/Plattform.h"
#include "messages/Dialoge.h"
#include "messages/Dienste.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace mi::fuzz {

// Answers every box as told and records nothing: the fuzz targets care only
// whether the code under test ends in a designed way.
class Dialogantworten : public Dialoge {
  public:
    Antwort frageantwort = Antwort::Ja;

    Antwort zeigen(const Meldungsbox& box) override {
        return box.knoepfe == Knoepfe::OK ? Antwort::OK : frageantwort;
    }
    QString ordnerWaehlen(const QString&) override { return {}; }
    std::optional<QString> dateiWaehlen(const Dateiwahl&) override { return std::nullopt; }
};

class FesteUmgebung : public Plattform {
  public:
    QLocale locale{QLocale::English, QLocale::UnitedStates};

    QString umgebungsvariable(const QString& name) const override;
    QString programmordner() const override { return ordner; }
    QDateTime jetzt() const override { return {QDate(2026, 12, 5), QTime(14, 30, 15)}; }
    QLocale gebietsschema() const override { return locale; }
    double zufallszahl() override { return 0.25; }
    void signalton() override {}
    std::optional<Dateiattribute> attribute(const QString& pfad) const override {
        return dateiattributeDesSystems(pfad);
    }

    QString ordner;
};

// One fresh run in a fresh folder for each input.
struct Lauf {
    Lauf();

    QTemporaryDir ordner;
    FesteUmgebung plattform;
    Dialogantworten dialoge;
    Dienste dienste{Sprache::EN, plattform, dialoge};
    QString datenpfad;

    // Full native path of name inside the run's folder, with its parent folders.
    QString datei(const QString& name, const QByteArray& inhalt) const;
    // Each line of text scrambled with a fixed start byte, CR LF after each.
    static QByteArray verschluesselt(const QByteArray& klartext);
    // A planner file from a fuzz input: the bytes after the first, taken as
    // they are, or, when the first byte is odd, as plain lines to scramble, so
    // the readers' header logic is reached too. Nothing for an empty input.
    std::optional<QString> planerdatei(const QString& name, const std::uint8_t* daten,
                                       std::size_t groesse) const;
};

// Runs the code under test. Ending through the program's own messages is a
// designed outcome; an ending caused by a standard exception is a defect and
// stops the fuzzer.
void ausfuehren(Dienste& dienste, const std::function<void()>& rumpf);

}  // namespace mi::fuzz
