#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <random>

class QFileDevice;
class QSaveFile;

namespace mi {

// What the file system tells of one entry.
struct Dateiattribute {
    bool verzeichnis = false;
    // Left out of every listing: hidden (on POSIX a name starting with ".") or,
    // on Windows, marked as a file of the system.
    bool verborgen = false;
};

// Everything the program takes from the machine it runs on. Production binds it
// to the system; tests bind a fake that answers as told.
class Plattform {
  public:
    virtual ~Plattform() = default;

    // A variable that is not set reads as the empty string.
    virtual QString umgebungsvariable(const QString& name) const = 0;
    // The folder of the program's own executable, with native separators and
    // without a trailing separator (except at a drive or file-system root).
    virtual QString programmordner() const = 0;
    virtual QDateTime jetzt() const = 0;
    virtual QLocale gebietsschema() const = 0;
    // Uniformly distributed in [0, 1).
    virtual double zufallszahlZiehen() = 0;
    virtual void signaltonGeben() = 0;
    // Nothing when there is no such entry.
    virtual std::optional<Dateiattribute> attribute(const QString& pfad) const = 0;
    // The names of the files in ordner (the current folder when empty) that
    // the wildcard muster matches, letter case ignored, in no particular order;
    // nothing when the folder cannot be listed. Every machine lists its disk,
    // unless one that keeps its files elsewhere says otherwise.
    virtual std::optional<QStringList> dateinamen(const QString& ordner,
                                                  const QString& muster) const;
    // Creates the folder, one level: its parent must exist, and a folder that
    // exists already is not created. True when it was.
    virtual bool verzeichnisAnlegen(const QString& pfad) = 0;
    // Makes the folder the process's current one, on Windows changing first
    // to its drive when the path names one (each drive keeps a current folder
    // of its own). True when both succeeded.
    virtual bool verzeichnisBetreten(const QString& pfad) = 0;
};

// The real machine, without a sound device: the widget library adds the beep.
class Systemplattform : public Plattform {
  public:
    QString umgebungsvariable(const QString& name) const override;
    QString programmordner() const override;
    QDateTime jetzt() const override;
    QLocale gebietsschema() const override;
    double zufallszahlZiehen() override;
    void signaltonGeben() override {}
    std::optional<Dateiattribute> attribute(const QString& pfad) const override;
    bool verzeichnisAnlegen(const QString& pfad) override;
    bool verzeichnisBetreten(const QString& pfad) override;

  private:
    // Never seeded: the planner's own writer draws the same sequence in every run.
    std::mt19937_64 generator_;
};

// A uniform number in [0, 1) from the top 53 bits of one draw: every line a
// planner file holds draws one, so this stays a few instructions.
inline double gleichverteiltZiehen(std::mt19937_64& generator) {
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

// What the file system says of pfad, as Systemplattform answers.
std::optional<Dateiattribute> dateiattributeImSystemLesen(const QString& pfad);

// The folder's files on disk, as Plattform::dateinamen lists them.
std::optional<QStringList> dateinamenImSystemLesen(const QString& ordner, const QString& muster);

// The folder made, and entered, on disk, as Systemplattform does it.
bool verzeichnisImSystemAnlegen(const QString& pfad);
bool verzeichnisImSystemBetreten(const QString& pfad);

// Whether the last failed write to datei failed because its disk is full or
// its quota exhausted.
bool istDatentraegerVoll(const QFileDevice& datei);

// Brings what was written to the open datei onto the disk and waits for it:
// 0 when it is there, else the cause as a failed write names it (61 for a full
// disk or an exhausted quota, 75 for any other).
std::int32_t aufDatentraegerBringen(QFileDevice& datei);

// Puts the save file in its target's place (its commit): 0, or the cause as
// above; the target is then as it was and the temporary file gone.
std::int32_t speicherdateiUebernehmen(QSaveFile& datei);

}  // namespace mi
