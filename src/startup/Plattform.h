#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <random>

namespace mi {

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
    virtual double zufallszahl() = 0;
    virtual void signalton() = 0;
};

// The real machine, without a sound device: the widget library adds the beep.
class Systemplattform : public Plattform {
  public:
    QString umgebungsvariable(const QString& name) const override;
    QString programmordner() const override;
    QDateTime jetzt() const override;
    QLocale gebietsschema() const override;
    double zufallszahl() override;
    void signalton() override {}

  private:
    // Never seeded: the planner's own writer draws the same sequence in every run.
    std::mt19937 generator_;
    std::uniform_real_distribution<double> verteilung_{0.0, 1.0};
};

}  // namespace mi
