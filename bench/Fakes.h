#pragma once

#include "base/Dialoge.h"
#include "base/Plattform.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <random>

namespace mi::bench {

// A machine pinned to an English (US) locale and a fixed clock, so every run
// reads the same dates and numbers and writes the same file names.
class Messplattform : public mi::Plattform {
  public:
    QString umgebungsvariable(const QString&) const override { return {}; }
    QString programmordner() const override { return QStringLiteral("/programm"); }
    QDateTime jetzt() const override { return {QDate(2026, 12, 5), QTime(14, 30, 15)}; }
    QLocale gebietsschema() const override { return {QLocale::English, QLocale::UnitedStates}; }
    double zufallszahlZiehen() override { return gleichverteiltZiehen(generator_); }
    void signaltonGeben() override {}
    std::optional<Dateiattribute> attribute(const QString& pfad) const override {
        return dateiattributeImSystemLesen(pfad);
    }
    bool verzeichnisAnlegen(const QString& pfad) override {
        return verzeichnisImSystemAnlegen(pfad);
    }
    bool verzeichnisBetreten(const QString& pfad) override {
        return verzeichnisImSystemBetreten(pfad);
    }

  private:
    std::mt19937_64 generator_;
};

// A user who confirms everything: every question is answered Yes, every
// message OK. The texts are kept so a run can tell the path it took.
class Messdialoge : public mi::Dialoge {
  public:
    QStringList texte;

    Antwort zeigen(const Meldungsbox& box) override {
        texte.append(box.text);
        return box.knoepfe == Boxknoepfe::OK ? Antwort::OK : Antwort::Ja;
    }
    QString ordnerWaehlen(const QString&) override { return {}; }
    std::optional<QString> dateiWaehlen(const Dateiwahl&) override { return std::nullopt; }
};

}  // namespace mi::bench
