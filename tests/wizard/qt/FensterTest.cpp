#include "Fakes.h"
#include "wizard/qt/Fenster.h"
#include "wizard/qt/Zustandsbilder.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace mi {
namespace {

using test::Umgebung;

// Stand-ins that complete their step, so a click moves the window on.
Schrittprozeduren abschliessende() {
    const auto schritt = [](int n) {
        return [n](Laufzeit&, Schrittzustaende& z) { z.Schritt_abschliessen(n); };
    };
    return {[](Laufzeit&) { return true; }, schritt(1), schritt(2), schritt(3), schritt(4)};
}

struct Geladen {
    explicit Geladen(Sprache s = Sprache::EN) : u(s), fenster(*u.lz, abschliessende()) {
        fenster.Form_Load();
    }
    Umgebung u;
    frmMitarbeiterImport fenster;
};

QImage bildVon(const QLabel* label) {
    return label->pixmap().toImage();
}

void zustandPruefen(frmMitarbeiterImport& f, int zustand) {
    for (int n = 1; n <= 4; ++n) {
        const Bild bild = n < zustand ? Bild::OK : n == zustand ? Bild::Pfeil : Bild::Inaktiv;
        EXPECT_EQ(bildVon(f.imgIcon(n)), bildVon(f.bildhalter(bild))) << "icon " << n;
        EXPECT_EQ(f.fraRahmen(n)->isEnabled(), n <= zustand) << "frame " << n;
        EXPECT_EQ(f.cmdAuswahl(n)->isEnabled(), n == zustand) << "button " << n;
    }
    EXPECT_TRUE(f.cmdAuswahl(5)->isEnabled());
}

TEST(Fenster, OpensInStateOneAndTheCloseBoxEndsIt) {
    Geladen g;
    frmMitarbeiterImport& f = g.fenster;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Import Employee Data"));
    EXPECT_EQ(f.fraRahmen(3)->title(), QStringLiteral("Step 3: Check Import Data"));
    EXPECT_EQ(f.cmdAuswahl(1)->text(), QStringLiteral("Select Data Folder ..."));
    EXPECT_EQ(f.cmdAuswahl(5)->text(), QStringLiteral("Close"));
    EXPECT_EQ(f.font().family(), QStringLiteral("Microsoft Sans Serif"));
    EXPECT_DOUBLE_EQ(f.font().pointSizeF(), 9.75);
    zustandPruefen(f, 1);
    EXPECT_EQ(f.focusWidget(), f.cmdAuswahl(5));
    EXPECT_TRUE(g.u.dialoge.boxen.empty());

    // The close box ends the program as Close does.
    EXPECT_TRUE(g.fenster.close());
    ASSERT_TRUE(g.fenster.assistent().beendet());
    EXPECT_EQ(g.fenster.assistent().ende()->status, 0);
}

TEST(Fenster, ClicksWalkThroughTheFiveStatesAndCloseEnds) {
    Geladen g;
    int status = -1;
    g.fenster.beiProgrammende([&](int s) { status = s; });
    g.fenster.show();
    for (int zustand = 1; zustand <= 4; ++zustand) {
        zustandPruefen(g.fenster, zustand);
        g.fenster.cmdAuswahl(zustand)->click();
    }
    zustandPruefen(g.fenster, 5);

    g.fenster.cmdAuswahl(5)->click();

    EXPECT_FALSE(g.fenster.isVisible());
    EXPECT_EQ(status, 0);
}

std::string sprachname(const ::testing::TestParamInfo<Sprache>& info) {
    return info.param == Sprache::DE ? "DE" : info.param == Sprache::EN ? "EN" : "FR";
}

class Breiten : public ::testing::TestWithParam<Sprache> {};

TEST_P(Breiten, FrenchWidensFramesButtonsAndWindow) {
    Geladen g(GetParam());
    frmMitarbeiterImport& f = g.fenster;
    const int zuschlag = GetParam() == Sprache::FR ? 480 : 0;
    EXPECT_EQ(f.width(), f.waagerecht(4260 + zuschlag));
    EXPECT_EQ(f.height(), f.senkrecht(6360));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(f.fraRahmen(n)->geometry(),
                  QRect(f.waagerecht(300), f.senkrecht(240 + (n - 1) * 1320),
                        f.waagerecht(3645 + zuschlag), f.senkrecht(1095)));
        EXPECT_EQ(f.cmdAuswahl(n)->geometry(),
                  QRect(f.waagerecht(510), f.senkrecht(450), f.waagerecht(2895 + zuschlag),
                        f.senkrecht(375)));
        EXPECT_EQ(f.imgIcon(n)->geometry(),
                  QRect(f.waagerecht(150), f.senkrecht(510), f.waagerecht(255), f.senkrecht(255)));
    }
    EXPECT_EQ(f.cmdAuswahl(5)->geometry(), QRect(f.waagerecht(1222), f.senkrecht(5640),
                                                 f.waagerecht(1800 + zuschlag), f.senkrecht(375)));
    EXPECT_EQ(f.waagerecht(1440), f.logicalDpiX());
}

INSTANTIATE_TEST_SUITE_P(Sprachen, Breiten,
                         ::testing::Values(Sprache::DE, Sprache::EN, Sprache::FR), sprachname);

TEST(Fenster, TabOrderAndNamesForTestsAndScreenReaders) {
    Geladen g;
    const QStringList reihenfolge{"cmdAuswahl5", "fraRahmen1",  "cmdAuswahl1",
                                  "fraRahmen2",  "cmdAuswahl2", "fraRahmen3",
                                  "cmdAuswahl3", "fraRahmen4",  "cmdAuswahl4"};
    QStringList gefunden;
    QWidget* w = g.fenster.nextInFocusChain();
    while (w != &g.fenster) {
        if (reihenfolge.contains(w->objectName())) {
            gefunden.append(w->objectName());
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(gefunden, reihenfolge);
    for (const char* name : {"imgIcon1", "imgIcon4", "imgInaktiv", "imgPfeil", "imgOK"}) {
        EXPECT_NE(g.fenster.findChild<QLabel*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_EQ(g.fenster.objectName(), QStringLiteral("frmMitarbeiterImport"));
}

TEST(Zustandsbilder, SeventeenPixelsOnTransparentGroundAtAnyScale) {
    for (const qreal verhaeltnis : {1.0, 2.0}) {
        for (const Bild b : {Bild::Inaktiv, Bild::Pfeil, Bild::OK}) {
            const QPixmap p = zustandsbild(b, verhaeltnis);
            EXPECT_EQ(p.deviceIndependentSize(), QSizeF(17, 17));
            EXPECT_EQ(p.width(), qRound(17 * verhaeltnis));
            const QImage bild = p.toImage();
            EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(bild.pixel(bild.width() / 2, bild.height() / 2)), 255);
        }
    }
}

}  // namespace
}  // namespace mi
