#pragma once

#include "base/Dialoge.h"
#include "base/Fehler.h"
#include "base/Plattform.h"
#include "services/Dienste.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace mi::fuzz {

// Answers every box as told and records nothing: the fuzz targets care only
// whether the code under test ends in a designed way. "Yes to All" is given
// only where the box offers it, Yes elsewhere.
class Dialogantworten : public Dialoge {
  public:
    Antwort frageantwort = Antwort::Ja;

    Antwort zeigen(const Meldungsbox& box) override {
        if (box.knoepfe == Boxknoepfe::OK) {
            return Antwort::OK;
        }
        if (frageantwort == Antwort::JaAlle && box.knoepfe != Boxknoepfe::JaAlleNein) {
            return Antwort::Ja;
        }
        return frageantwort;
    }
    QString ordnerWaehlen(const QString&) override { return {}; }
    std::optional<QString> dateiWaehlen(const Dateiwahl&) override { return std::nullopt; }
};

// The planner folder of every run, with a trailing separator. It exists only
// in memory: no run lists, reads or writes the disk.
const QString& planerordnerNennen();

// A machine with a fixed user, clock and locale whose one folder, the planner
// folder, holds the files set here: the readers find them by its listing and
// read them through the channel's device factory (see Lauf).
class FesteUmgebung : public Plattform {
  public:
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    std::map<QString, QByteArray> dateien;

    QString umgebungsvariable(const QString& name) const override;
    QString programmordner() const override;
    QDateTime jetzt() const override { return {QDate(2026, 12, 5), QTime(14, 30, 15)}; }
    QLocale gebietsschema() const override { return locale; }
    double zufallszahlZiehen() override { return 0.25; }
    void signaltonGeben() override {}
    std::optional<Dateiattribute> attribute(const QString& pfad) const override;
    std::optional<QStringList> dateinamen(const QString& ordner,
                                          const QString& muster) const override;
    // The planner folder exists already, and there is no other.
    bool verzeichnisAnlegen(const QString& /*pfad*/) override { return false; }
    bool verzeichnisBetreten(const QString& pfad) override;
};

// One execution with fresh services, each a new object, so nothing of one run
// reaches the next. A file opened for reading is read from the machine's
// folder by its name, wherever the path points; whatever is written goes into
// a buffer that is dropped.
struct Lauf {
    explicit Lauf(Sprache sprache = Sprache::EN);
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    FesteUmgebung plattform;
    Dialogantworten dialoge;
    Dienste dienste;

    // The file's path in the planner folder, its content set to inhalt.
    QString dateiAnlegen(const QString& name, const QByteArray& inhalt);
    // Each line of text scrambled with a fixed start byte, CR LF after each.
    static QByteArray verschluesseln(const QByteArray& klartext);
    // A planner file from a fuzz input: the bytes after the first, taken as
    // they are, or, when the first byte is odd, as plain lines to scramble, so
    // the readers' header logic is reached too. False for an empty input.
    bool planerdateiAnlegen(const QString& name, const std::uint8_t* daten, std::size_t groesse);
};

// The fuzz input as bytes, without a copy; valid as long as the input.
QByteArray bytesAnsehen(const std::uint8_t* daten, std::size_t groesse);

// Runs the code under test. Ending through the program's own messages is a
// designed outcome; an ending caused by a standard exception is a defect and
// stops the fuzzer, and so does a channel left open.
void ausfuehren(Dienste& dienste, const std::function<void()>& rumpf);

}  // namespace mi::fuzz
