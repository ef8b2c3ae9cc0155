#pragma once

#include "Dateibaum.h"
#include "Fakes.h"
#include "base/Dateikanal.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>
#include <QFile>
#include <algorithm>

namespace mi::test {

// One run with a temporary folder tree.
struct Fall {
    explicit Fall(Sprache sprache = Sprache::EN) : u(sprache), dienste(u.dienste) {}
    Umgebung u;
    Dienste& dienste;
    Dateibaum baum;

    // Runs a step that must end the program after exactly one box; its text.
    template <typename Vorgang>
    QString endeErwarten(Vorgang&& vorgang) {
        u.dialoge.boxErwarten(Antwort::OK);
        const std::size_t vorher = u.dialoge.boxen.size();
        EXPECT_THROW(vorgang(), Programmende);
        EXPECT_EQ(u.dialoge.boxen.size(), vorher + 1);
        EXPECT_FALSE(dienste.kanal.offen());
        return u.dialoge.boxen.empty() ? QString() : u.dialoge.boxen.back().text;
    }
};

inline QString berichtBilden(const QString& ort, int nummer) {
    return fehlerberichtstextBilden(texteWaehlen(Sprache::EN), ort, nummer,
                                    fehlerBeschreiben(nummer));
}

// A file that takes the first `grenze` bytes written to it and refuses the
// rest, as a disk that fills up part-way.
template <typename Datei>
class Bruchgeraet : public Datei {
  public:
    Bruchgeraet(const QString& pfad, qint64 grenze) : Datei(pfad), rest_(grenze) {}

  protected:
    qint64 writeData(const char* daten, qint64 laenge) override {
        const qint64 teil = std::min(laenge, rest_);
        const qint64 geschrieben = teil > 0 ? Datei::writeData(daten, teil) : -1;
        rest_ -= std::max<qint64>(geschrieben, 0);
        return geschrieben;
    }

  private:
    qint64 rest_;
};

}  // namespace mi::test
