#pragma once

#include "Dateibaum.h"
#include "Fakes.h"
#include "startup/Start.h"
#include "wizard/qt/Fenster.h"

#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace mi::test {

// A planner installation as the program finds it through "ProgramFiles": the
// planner's folder "pf/Velmora" with its data folder "Data", an employee file
// with one employee, a configuration that lets everyone import, and a log book.
struct Planer {
    explicit Planer(bool mitEinstellungsdatei) {
        daten = baum.ordner(QStringLiteral("pf/Velmora/Data"));
        baum.ordner(QStringLiteral("pf/Velmora/Data/Logs"));
        baum.planerdatei(QStringLiteral("pf/Velmora/Data/UrlaubData.dat"), {"[Urlaubsdaten]"});
        baum.planerdatei(QStringLiteral("pf/Velmora/Data/Konfigdaten.dat"),
                         {"[Velmont]", "x", "x", "[Firma]", "x", "x", "[Settings]",
                          QString(40, u'0'), "x", "[Administratoren]", "NoAdmins"});
        baum.planerdatei(QStringLiteral("pf/Velmora/Data/Mitarbeiterdaten.dat"),
                         {"[Mitarbeiterdaten]", "12345678", "7",
                          "000000:999999:025,0:030,0:030,0:030,0:030,0:002,5:000,0:000,0:"
                          "000,0:Alt:alt"});
        if (mitEinstellungsdatei) {
            baum.planerdatei(QStringLiteral("pf/Velmora/Velmont.dat"),
                             {"[Velmont]", "data_pfad=" + daten, "log_pfad="});
        }
    }

    // Start-up as the program runs it, the window shown at its end.
    std::unique_ptr<frmMitarbeiterImport> starten(Laufzeit& lz, PlattformFake& plattform) {
        plattform.umgebung[QStringLiteral("ProgramFiles")] = baum.pfad(QStringLiteral("pf"));
        plattform.umgebung[QStringLiteral("USERNAME")] = QStringLiteral("anna");
        std::unique_ptr<frmMitarbeiterImport> fenster;
        const auto ende = Main(lz, [&] {
            fenster = std::make_unique<frmMitarbeiterImport>(lz);
            fenster->Form_Load();
            fenster->show();
        });
        EXPECT_FALSE(ende.has_value());
        return fenster;
    }

    Dateibaum baum;
    QString daten;
};

// Each step's picture, frame and button as text, so a failure shows both states.
inline QStringList zustandstext(const frmMitarbeiterImport& f) {
    QStringList text;
    for (int n = 1; n <= 4; ++n) {
        const QImage bild = f.imgIcon(n)->pixmap().toImage();
        const auto zeigt = [&](Bild b) { return bild == f.bildhalter(b)->pixmap().toImage(); };
        text.append(QLatin1String(zeigt(Bild::OK)        ? "done"
                                  : zeigt(Bild::Pfeil)   ? "current"
                                  : zeigt(Bild::Inaktiv) ? "not open"
                                                         : "?") +
                    QLatin1String(f.fraRahmen(n)->isEnabled() ? " frame" : "") +
                    QLatin1String(f.cmdAuswahl(n)->isEnabled() ? " button" : ""));
    }
    text.append(QLatin1String(f.cmdAuswahl(5)->isEnabled() ? "close" : ""));
    return text;
}

// The window in state 1 to 5.
inline void zustandPruefen(const frmMitarbeiterImport& f, int zustand) {
    QStringList erwartet;
    for (int n = 1; n <= 4; ++n) {
        erwartet.append(QLatin1String(n < zustand    ? "done"
                                      : n == zustand ? "current"
                                                     : "not open") +
                        QLatin1String(n <= zustand ? " frame" : "") +
                        QLatin1String(n == zustand ? " button" : ""));
    }
    erwartet.append(QStringLiteral("close"));
    EXPECT_EQ(zustandstext(f), erwartet) << "state " << zustand;
}

}  // namespace mi::test
