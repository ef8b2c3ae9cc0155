#include "Fensterhilfen.h"
#include "window/QtDialoge.h"

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

TEST(EchteBox, ShowsTitleTextIconButtonsDefaultAndAnswers) {
    QStringList gezeigt;
    sobaldModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        gezeigt << box->windowTitle() << box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    const Meldungsbox frage{QStringLiteral("Frage"), QStringLiteral("Line 1\r\rLine <2>"),
                            Symbol::Frage, Knoepfe::JaNein, Antwort::Nein};
    EXPECT_EQ(QtDialoge().zeigen(frage), Antwort::Ja);
    EXPECT_EQ(gezeigt, (QStringList{"Frage", "Line 1\n\nLine <2>"}));
}

// Answers each modal dialog as it opens, from the keyboard alone: text typed
// into its focus, then one key. Records a box's text, or a dialog's title and a
// file dialog's filters and folder. A dialog beyond the script, or one the keys
// did not close, fails and is closed.
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
        if (auto* wahl = qobject_cast<QFileDialog*>(dialog);
            wahl != nullptr && wahl->fileMode() != QFileDialog::Directory) {
            gezeigt << wahl->nameFilters().join('|')
                    << QDir::toNativeSeparators(wahl->directory().absolutePath());
        }
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
    test::Planer p(Sprache::EN, false);
    const QString csv = p.baum.datei(QStringLiteral("liste.csv"), "Anna Berger;aberger;;;x\r\n");
    QtDialoge dialoge(true);
    Dienste dienste(Sprache::EN, p.u.plattform, dialoge);
    Tastatur tastatur({{p.daten, Qt::Key_Return},
                       {csv, Qt::Key_Return},
                       {QString(), Qt::Key_Return},  // No, the default
                       {QString(), Qt::Key_Return},
                       {QString(), Qt::Key_Y},
                       {QString(), Qt::Key_Return}});
    const auto f = test::starten(dienste);
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
            p.baum.datei(QStringLiteral("liste.csv"),
                         "Anna Berger;aberger;;;2.5;27.5;;;;1\r\n>Sales;\r\n");
        }
    }
    druecken(*f, 5, Qt::Key_Return);

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(tastatur.fertig());
    EXPECT_EQ(tastatur.gezeigt,
              (QStringList{"Browse for data folder:", "Import Employee Data - Select Import File",
                           "CSV (Comma delimited) (*.csv)", p.u.plattform.ordner,
                           "Error in row 1, Anna Berger\n\nResidual vacation x not numeric\n\n"
                           "Do you want to continue?",
                           "Testing completed. No errors found.",
                           "Employee data already exist. Existing data will be overwritten by "
                           "the import data.\n\nDo you want to continue?",
                           "Data successfully imported"}));
    EXPECT_EQ(p.zeilen("Mitarbeiterdaten.dat"),
              (QStringList{"[Mitarbeiterdaten]", "99999999", "0",
                           "000000:999999:002,5:027,5:000,0:000,0:000,0:001,0:000,0:000,0:000,0:"
                           "Anna Berger:aberger",
                           "Sales"}));
    EXPECT_EQ(p.zeilen("Konfigdaten.dat").value(7).at(29), u'1');
}

}  // namespace
}  // namespace mi
