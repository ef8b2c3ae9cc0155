#include "Fensterhilfen.h"
#include "wizard/qt/Zustandsbilder.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace mi {
namespace {

using test::Planer;
using test::Umgebung;
using test::zustandPruefen;

struct Geladen {
    explicit Geladen(Sprache s = Sprache::EN) : u(s), fenster(*u.lz) { fenster.Form_Load(); }
    Umgebung u;
    frmMitarbeiterImport fenster;
};

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

TEST(Fenster, SettingsFileOpensStepTwoThenFileDialogCancelAndAFile) {
    Planer p;
    const auto f = test::starten(p.lz);
    zustandPruefen(*f, 2);
    const QString csv = p.baum.datei(QStringLiteral("liste.csv"));
    test::DialogeFake& dialoge = p.u.dialoge;
    dialoge.erwarteDatei(std::nullopt);
    dialoge.erwarteDatei(csv);

    f->cmdAuswahl(2)->click();
    zustandPruefen(*f, 2);
    f->cmdAuswahl(2)->click();
    zustandPruefen(*f, 3);

    EXPECT_TRUE(dialoge.boxen.empty());
    EXPECT_EQ(p.lz.Importdateipfad, csv);
}

TEST(Fenster, FolderChooserCancelAMissAndThePlannersFolder) {
    Planer p(Sprache::EN, false);
    const auto f = test::starten(p.lz);
    const QString leer = p.baum.ordner(QStringLiteral("leer"));
    const struct {
        QString gewaehlt;
        int zustand;
        QStringList meldungen;
    } faelle[] = {
        {QString(), 1, {}},
        {leer, 1, {"No data found in folder '" + leer.chopped(1) + "'."}},
        {p.baum.pfad(QStringLiteral("pf/Velmora")), 2, {}},
    };
    zustandPruefen(*f, 1);
    for (const auto& fall : faelle) {
        p.u.dialoge.boxen.clear();
        p.u.dialoge.erwarteOrdner(fall.gewaehlt);
        if (!fall.meldungen.isEmpty()) {
            p.u.dialoge.erwarteBox(Antwort::OK);
        }
        f->cmdAuswahl(1)->click();
        zustandPruefen(*f, fall.zustand);
        EXPECT_EQ(p.u.dialoge.texte(), fall.meldungen) << fall.gewaehlt.toStdString();
    }
    EXPECT_EQ(p.lz.Datenpfad, p.daten);
    EXPECT_EQ(p.u.dialoge.ordnerTitel, QStringList(3, QStringLiteral("Browse for data folder:")));
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

TEST(Fenster, TabOrderAndAccessibleNames) {
    Geladen g;
    for (const QWidget* w : g.fenster.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&g.fenster)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    const QStringList reihenfolge{"cmdAuswahl5", "fraRahmen1",  "cmdAuswahl1",
                                  "fraRahmen2",  "cmdAuswahl2", "fraRahmen3",
                                  "cmdAuswahl3", "fraRahmen4",  "cmdAuswahl4"};
    QStringList gefunden;
    for (QWidget* w = g.fenster.nextInFocusChain(); w != &g.fenster; w = w->nextInFocusChain()) {
        if (reihenfolge.contains(w->objectName())) {
            gefunden.append(w->objectName());
        }
    }
    EXPECT_EQ(gefunden, reihenfolge);
}

// Partly transparent pixels across the middle row: a disc drawn for the
// device's pixels has at most one at each edge; one drawn small and enlarged has more.
int randpixel(const QPixmap& bild) {
    const QImage b = bild.toImage();
    int anzahl = 0;
    for (int x = 0; x < b.width(); ++x) {
        const int alpha = qAlpha(b.pixel(x, b.height() / 2));
        anzahl += alpha > 0 && alpha < 255 ? 1 : 0;
    }
    return anzahl;
}

// Also run by ctest "fenster_200_prozent" on a desktop scaled to 200 %.
TEST(Hochaufloesend, StatePicturesAreDrawnForTheScreensPixels) {
    Geladen g;
    const qreal verhaeltnis = g.fenster.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(verhaeltnis, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    for (int n = 1; n <= 4; ++n) {
        const QPixmap p = g.fenster.imgIcon(n)->pixmap();
        EXPECT_EQ(p.size(), QSize(17, 17) * verhaeltnis) << "icon " << n;
        EXPECT_EQ(p.deviceIndependentSize(), QSizeF(17, 17));
        EXPECT_LE(randpixel(p), 2) << "icon " << n;
    }
    for (const Bild b : {Bild::Inaktiv, Bild::Pfeil, Bild::OK}) {
        const QPixmap p = zustandsbild(b, 2.0);
        EXPECT_EQ(p.size(), QSize(34, 34));
        EXPECT_LE(randpixel(p), 2);
        const QImage bild = p.toImage();
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(bild.pixel(17, 17)), 255);
    }
}

}  // namespace
}  // namespace mi
