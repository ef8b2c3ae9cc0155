#include "Fensterhilfen.h"
#include "messages/Meldungen.h"
#include "window/QtDialoge.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

namespace mi {
namespace {

using test::Umgebung;
using test::zustandPruefen;

struct GeladenesFenster {
    explicit GeladenesFenster(Sprache s = Sprache::EN)
        : u(s), fenster(fensterOeffnen(u.dienste, {}, {})) {}
    Umgebung u;
    std::unique_ptr<frmMitarbeiterImport> fenster;
};

TEST(Fenster, OpensInStateOneAndTheCloseBoxEndsIt) {
    GeladenesFenster g;
    frmMitarbeiterImport& f = *g.fenster;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Import Employee Data"));
    zustandPruefen(f, Zustand::Datenordner);
    EXPECT_EQ(f.focusWidget(), f.cmdAuswahl(Knopf::Schliessen));
    EXPECT_TRUE(g.u.dialoge.boxen.empty());

    // The close box ends the program as Close does.
    EXPECT_TRUE(f.close());
    ASSERT_TRUE(f.assistent().beendet());
    EXPECT_EQ(f.assistent().ende()->status, 0);
}

// A file dropped at step 2 is taken as if chosen in the file dialog; a drop at
// step 3 is refused. The check and the import run under the wait cursor, a box
// they show under the arrow, and the cursor is the user's again afterwards.
TEST(Fenster, DropAtStepTwoOnlyAndTheCursorWhileStepsRun) {
    test::Planer p;
    const QString csv = p.baum.dateiAnlegen(QStringLiteral("Programm/liste.csv"));
    QtDialoge dialoge;
    Dienste dienste(Sprache::EN, p.u.plattform, dialoge);
    std::vector<int> zeiger;  // the override cursor's shape at each look, -1 for none
    const auto merken = [&] {
        const QCursor* c = QApplication::overrideCursor();
        zeiger.push_back(c != nullptr ? c->shape() : -1);
    };
    Schrittprozeduren prozeduren = Schrittprozeduren::standard();
    prozeduren.Importdatei_checken = [&](Dienste& d, auto&&...) {
        merken();
        QTimer::singleShot(0, [&] {
            merken();
            QApplication::activeModalWidget()->close();
        });
        Meldung(d, QStringLiteral("Checked"));
        return Pruefergebnis{{}, {}, true};
    };
    prozeduren.Mitarbeiterdaten_importieren = [&](auto&&...) {
        merken();
        return Importergebnis{true, {}};
    };
    const auto f = fensterOeffnen(dienste, p.start, p.ordner, prozeduren);
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(csv)});
    const auto ablegen = [&] {
        const auto aktionen = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent hinein({9, 9}, aktionen, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.get(), &hinein);
        QDropEvent ablage({9, 9}, aktionen, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.get(), &ablage);
        return hinein.isAccepted() && ablage.isAccepted() && ablage.dropAction() == Qt::CopyAction;
    };

    EXPECT_TRUE(ablegen());
    EXPECT_EQ(f->assistent().sitzung().Importdateipfad, csv);
    EXPECT_FALSE(ablegen());
    test::zustandPruefen(*f, Zustand::Pruefen);
    for (const auto& [knopf, danach] :
         {std::pair{Knopf::Pruefen, Zustand::Importieren}, {Knopf::Importieren, Zustand::Fertig}}) {
        f->cmdAuswahl(knopf)->click();
        test::zustandPruefen(*f, danach);
    }
    EXPECT_EQ(zeiger, (std::vector<int>{Qt::WaitCursor, Qt::ArrowCursor, Qt::WaitCursor}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

std::string sprachnameBilden(const ::testing::TestParamInfo<Sprache>& info) {
    return info.param == Sprache::DE ? "DE" : info.param == Sprache::EN ? "EN" : "FR";
}

class Sprachen : public ::testing::TestWithParam<Sprache> {};

// Every caption fits its frame and every text its button, in whichever font the
// window finds (without "Microsoft Sans Serif" and its metric twins, the German
// and French texts overflow); the French window is wider by its texts' margin,
// the frames' right edges within the window.
TEST_P(Sprachen, EveryTextFitsItsControl) {
    GeladenesFenster g(GetParam());
    frmMitarbeiterImport& f = *g.fenster;
    for (const Schritt s : AlleSchritte) {
        const QGroupBox* rahmen = f.fraRahmen(s);
        EXPECT_LT(rahmen->fontMetrics().horizontalAdvance(rahmen->title()), rahmen->width())
            << nummerLesen(s);
        EXPECT_LE(rahmen->geometry().right(), f.width()) << nummerLesen(s);
    }
    for (const Knopf k : AlleKnoepfe) {
        const QPushButton* knopf = f.cmdAuswahl(k);
        EXPECT_LT(knopf->fontMetrics().horizontalAdvance(knopf->text()), knopf->width())
            << nummerLesen(k);
    }
    EXPECT_EQ(f.width(), f.waagerechtUmrechnen(4260 + (GetParam() == Sprache::FR ? 480 : 0)));
}

INSTANTIATE_TEST_SUITE_P(Alle, Sprachen, ::testing::Values(Sprache::DE, Sprache::EN, Sprache::FR),
                         sprachnameBilden);

TEST(Fenster, TabOrderAndAccessibleNames) {
    GeladenesFenster g;
    for (const QWidget* w : g.fenster->findChildren<QWidget*>()) {
        if (w->isVisibleTo(g.fenster.get())) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    const QStringList reihenfolge{"cmdAuswahl5", "fraRahmen1",  "cmdAuswahl1",
                                  "fraRahmen2",  "cmdAuswahl2", "fraRahmen3",
                                  "cmdAuswahl3", "fraRahmen4",  "cmdAuswahl4"};
    QStringList gefunden;
    for (QWidget* w = g.fenster->nextInFocusChain(); w != g.fenster.get();
         w = w->nextInFocusChain()) {
        if (reihenfolge.contains(w->objectName())) {
            gefunden.append(w->objectName());
        }
    }
    EXPECT_EQ(gefunden, reihenfolge);
}

// Partly transparent pixels across the middle row: a disc drawn for the
// device's pixels has at most one at each edge; one drawn small and enlarged has more.
int randpixelZaehlen(const QPixmap& bild) {
    const QImage b = bild.toImage();
    int anzahl = 0;
    for (int x = 0; x < b.width(); ++x) {
        const int alpha = qAlpha(b.pixel(x, b.height() / 2));
        anzahl += alpha > 0 && alpha < 255 ? 1 : 0;
    }
    return anzahl;
}

// Also run by ctest "fenster_200_prozent" on a desktop scaled to 200 %, and by
// "fenster_zwei_bildschirme" on a screen at 100 % beside one at 200 %, where
// the window moves from the one to the other and draws its pictures anew.
TEST(Hochaufloesend, StatePicturesAreDrawnForTheScreensPixels) {
    GeladenesFenster g;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(g.fenster->devicePixelRatioF(),
                  qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    for (QScreen* bildschirm : QGuiApplication::screens()) {
        g.fenster->setScreen(bildschirm);
        const qreal verhaeltnis = bildschirm->devicePixelRatio();
        for (const Schritt s : AlleSchritte) {
            const QPixmap p = g.fenster->imgIcon(s)->pixmap();
            EXPECT_EQ(p.size(), QSize(17, 17) * verhaeltnis) << "icon " << nummerLesen(s);
            EXPECT_LE(randpixelZaehlen(p), 2) << "icon " << nummerLesen(s);
        }
    }
}

}  // namespace
}  // namespace mi
