#include "Fensterhilfen.h"
#include "wizard/qt/QtDialoge.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

namespace mi {
namespace {

// Waits for the next modal dialog and hands it to aktion, which must close it.
void sobaldModal(std::function<void(QWidget*)> aktion) {
    QTimer::singleShot(10, [aktion = std::move(aktion)]() mutable {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            aktion(dialog);
        } else {
            sobaldModal(std::move(aktion));
        }
    });
}

struct BoxFall {
    const char* name;
    Meldungsbox box;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons knoepfe;
    QMessageBox::StandardButton standard;
    QMessageBox::StandardButton geklickt;
    Antwort antwort;
};

void PrintTo(const BoxFall& f, std::ostream* os) {
    *os << f.name;
}

class EchteBox : public ::testing::TestWithParam<BoxFall> {};

TEST_P(EchteBox, ShowsIconButtonsDefaultAndAnswers) {
    const BoxFall& fall = GetParam();
    QString titel;
    QString text;
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons knoepfe;
    QMessageBox::StandardButton standard{};
    sobaldModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        titel = box->windowTitle();
        text = box->text();
        icon = box->icon();
        knoepfe = box->standardButtons();
        standard = box->standardButton(box->defaultButton());
        box->button(fall.geklickt)->click();
    });

    const Antwort antwort = QtDialoge().zeigen(fall.box);

    EXPECT_EQ(antwort, fall.antwort);
    EXPECT_EQ(titel, fall.box.titel);
    EXPECT_EQ(text, QStringLiteral("Line 1\n\nLine <2>"));
    EXPECT_EQ(icon, fall.icon);
    EXPECT_EQ(knoepfe, fall.knoepfe);
    EXPECT_EQ(standard, fall.standard);
}

const QString Text = QStringLiteral("Line 1\r\rLine <2>");

INSTANTIATE_TEST_SUITE_P(Boxen, EchteBox,
                         ::testing::Values(BoxFall{"Warning",
                                                   {QStringLiteral("Title"), Text, Symbol::Warnung,
                                                    Knoepfe::OK, Antwort::OK},
                                                   QMessageBox::Warning,
                                                   QMessageBox::Ok,
                                                   QMessageBox::Ok,
                                                   QMessageBox::Ok,
                                                   Antwort::OK},
                                           BoxFall{"QuestionNo",
                                                   {QStringLiteral("Frage"), Text, Symbol::Frage,
                                                    Knoepfe::JaNein, Antwort::Nein},
                                                   QMessageBox::Question,
                                                   QMessageBox::Yes | QMessageBox::No,
                                                   QMessageBox::No,
                                                   QMessageBox::No,
                                                   Antwort::Nein}),
                         [](const ::testing::TestParamInfo<BoxFall>& i) {
                             return std::string(i.param.name);
                         });

TEST(Dateiwahl, FilterStartFolderAndTheChosenFile) {
    test::Dateibaum baum;
    const QString ordner = baum.ordner(QStringLiteral("import"));
    const QString datei = baum.datei(QStringLiteral("import/liste.csv"), "a;b\r\n");
    QStringList filter;
    QString start;
    sobaldModal([&](QWidget* dialog) {
        auto* wahl = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(wahl, nullptr);
        filter = wahl->nameFilters();
        start = QDir::toNativeSeparators(wahl->directory().absolutePath());
        wahl->selectFile(datei);
        static_cast<QDialog*>(wahl)->accept();
    });
    QtDialoge dialoge(true);

    const auto gewaehlt = dialoge.dateiWaehlen(
        {QStringLiteral("Select"), QStringLiteral("CSV (Comma delimited) (*.csv)|*.csv"), ordner});

    EXPECT_EQ(gewaehlt.value_or(QString()), datei);
    EXPECT_EQ(filter, QStringList{QStringLiteral("CSV (Comma delimited) (*.csv)")});
    EXPECT_EQ(start + QDir::separator(), ordner);

    sobaldModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(dialoge.dateiWaehlen({QStringLiteral("Select"), QString(), ordner}).has_value());
}

TEST(Ordnerwahl, CancelGivesEmptyPath) {
    sobaldModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(QtDialoge(true).ordnerWaehlen(QStringLiteral("Folder")), QString());
}

// Answers each modal dialog as it opens, from the keyboard alone: text typed
// into its focus, then one key. Records a box's text or a dialog's title. A
// dialog beyond the script, or one the keys did not close, fails and is closed.
class Tastatur {
  public:
    explicit Tastatur(std::deque<std::pair<QString, Qt::Key>> antworten)
        : antworten_(std::move(antworten)) {
        QObject::connect(&takt_, &QTimer::timeout, [this] { nachsehen(); });
        takt_.start(20);
    }
    QStringList gezeigt;
    bool fertig() const { return antworten_.empty(); }

  private:
    void nachsehen() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            wartezeit_ = 0;
            return;
        }
        // Keys go to a dialog once it is active, as a user's would, and only once.
        if (dialog == zuletzt_ || !dialog->isActiveWindow()) {
            if (++wartezeit_ >= 100) {
                ADD_FAILURE() << "not closed: " << dialog->windowTitle().toStdString();
                dialog->close();
            }
            return;
        }
        if (antworten_.empty()) {
            ADD_FAILURE() << "unexpected: " << dialog->windowTitle().toStdString();
            dialog->close();
            return;
        }
        zuletzt_ = dialog;
        wartezeit_ = 0;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        gezeigt.append(box != nullptr ? box->text() : dialog->windowTitle());
        const auto [text, taste] = antworten_.front();
        antworten_.pop_front();
        QWidget* fokus = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        QTest::keyClicks(fokus, text);
        QTest::keyClick(fokus, taste);
    }
    std::deque<std::pair<QString, Qt::Key>> antworten_;
    QPointer<QWidget> zuletzt_;
    int wartezeit_ = 0;
    QTimer takt_;
};

QString fokus(const frmMitarbeiterImport& f) {
    return f.focusWidget() != nullptr ? f.focusWidget()->objectName() : QString();
}

// Tab to the button, as often as it takes once round the window, and press it.
void druecken(frmMitarbeiterImport& f, int knopf, Qt::Key taste) {
    for (int i = 0; i < 10 && f.focusWidget() != f.cmdAuswahl(knopf); ++i) {
        QTest::keyClick(f.focusWidget() != nullptr ? f.focusWidget() : &f, Qt::Key_Tab);
    }
    ASSERT_EQ(fokus(f), f.cmdAuswahl(knopf)->objectName());
    QTest::keyClick(f.cmdAuswahl(knopf), taste);
}

TEST(EchteDialoge, WholeImportByKeyboard) {
    test::Planer planer(false);
    const QString csv =
        planer.baum.datei(QStringLiteral("liste.csv"), "Anna Berger;aberger;;;x\r\n");
    test::PlattformFake plattform;
    QtDialoge dialoge(true);
    Laufzeit lz(Sprache::EN, plattform, dialoge);
    Tastatur tastatur({{planer.daten, Qt::Key_Return},
                       {csv, Qt::Key_Return},
                       {QString(), Qt::Key_Return},  // No, the default
                       {QString(), Qt::Key_Return},
                       {QString(), Qt::Key_Y},
                       {QString(), Qt::Key_Return}});
    const auto f = planer.starten(lz, plattform);
    dialoge.elternfensterSetzen(f.get());
    int status = -1;
    f->beiProgrammende([&](int s) { status = s; });

    const struct {
        int knopf;
        Qt::Key taste;
        int zustand;
    } schritte[] = {{1, Qt::Key_Space, 2},
                    {2, Qt::Key_Return, 3},
                    {3, Qt::Key_Space, 3},
                    {3, Qt::Key_Return, 4},
                    {4, Qt::Key_Space, 5}};
    for (const auto& schritt : schritte) {
        druecken(*f, schritt.knopf, schritt.taste);
        test::zustandPruefen(*f, schritt.zustand);
        EXPECT_EQ(fokus(*f), f->cmdAuswahl(schritt.zustand)->objectName());  // 5: Close
        if (schritt.zustand == 3 && schritt.knopf == 3) {
            // The user mends what the first check found.
            planer.baum.datei(QStringLiteral("liste.csv"),
                              "Anna Berger;aberger;;;2.5;27.5;;;;1\r\n>Sales;\r\n");
        }
    }
    druecken(*f, 5, Qt::Key_Return);

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(tastatur.fertig());
    EXPECT_EQ(tastatur.gezeigt,
              (QStringList{"Browse for data folder:", "Import Employee Data - Select Import File",
                           "Error in row 1, Anna Berger\n\nResidual vacation x not numeric\n\n"
                           "Do you want to continue?",
                           "Testing completed. No errors found.",
                           "Employee data already exist. Existing data will be overwritten by "
                           "the import data.\n\nDo you want to continue?",
                           "Data successfully imported"}));
    EXPECT_EQ(test::Dateibaum::planerzeilen(planer.daten + "Mitarbeiterdaten.dat"),
              (QStringList{"[Mitarbeiterdaten]", "12345678", "7",
                           "000000:999999:002,5:027,5:000,0:000,0:000,0:001,0:000,0:000,0:000,0:"
                           "Anna Berger:aberger",
                           "Sales"}));
    EXPECT_EQ(test::Dateibaum::planerzeilen(planer.daten + "Konfigdaten.dat").value(7).at(29),
              u'1');
}

}  // namespace
}  // namespace mi
