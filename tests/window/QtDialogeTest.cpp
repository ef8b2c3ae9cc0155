#include "Fensterhilfen.h"
#include "window/QtDialoge.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>

namespace mi {
namespace {

// Answers each modal dialog as it opens, from the keyboard alone, with the next
// of its handgriffe. Records a box's text, or a dialog's title and a file
// dialog's filters and folder. A dialog beyond the script, or one the keys did
// not close, fails and is closed.
class Tastatur {
  public:
    // What the user does in one dialog, given it and its focus.
    using Handgriff = std::function<void(QWidget* dialog, QWidget* fokus)>;

    explicit Tastatur(std::deque<Handgriff> handgriffe) : handgriffe_(std::move(handgriffe)) {
        QObject::connect(&takt_, &QTimer::timeout, [this] { nachsehen(); });
        takt_.start(20);
    }
    QStringList gezeigt;
    bool fertig() const { return handgriffe_.empty(); }

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
        if (handgriffe_.empty()) {
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
        const Handgriff handgriff = std::move(handgriffe_.front());
        handgriffe_.pop_front();
        handgriff(dialog, dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog);
    }
    std::deque<Handgriff> handgriffe_;
    QPointer<QWidget> zuletzt_;
    int wartezeit_ = 0;
    QTimer takt_;
};

// Text typed into the focus, then one key.
Tastatur::Handgriff tippen(const QString& text, Qt::Key taste) {
    return [text, taste](QWidget*, QWidget* fokus) {
        QTest::keyClicks(fokus, text);
        QTest::keyClick(fokus, taste);
    };
}

// The key of a button's mnemonic: the letter after its single "&".
Qt::Key mnemonikFinden(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return static_cast<Qt::Key>(text[i + 1].toUpper().unicode());
            }
            ++i;
        }
    }
    return Qt::Key_unknown;
}

// Tab on until the widget has the focus; false when a round did not reach it.
bool zielAnspringen(QWidget* dialog, QWidget* ziel) {
    for (int i = 0; i < 5 && dialog->focusWidget() != ziel; ++i) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
    }
    return dialog->focusWidget() == ziel;
}

QString fokusLesen(const frmMitarbeiterImport& f) {
    return f.focusWidget() != nullptr ? f.focusWidget()->objectName() : QString();
}

// Tab to the button, as often as it takes once round the window, and press it.
void druecken(frmMitarbeiterImport& f, Knopf knopf, Qt::Key taste) {
    for (int i = 0; i < 10 && f.focusWidget() != f.cmdAuswahl(knopf); ++i) {
        QTest::keyClick(f.focusWidget() != nullptr ? f.focusWidget() : &f, Qt::Key_Tab);
    }
    ASSERT_EQ(fokusLesen(f), f.cmdAuswahl(knopf)->objectName());
    QTest::keyClick(f.cmdAuswahl(knopf), taste);
}

TEST(EchteDialoge, WholeImportByKeyboard) {
    test::Planer p(Sprache::EN, false);
    // A name with "<" shows that the box renders it as plain text.
    const QString csv = p.baum.dateiAnlegen(QStringLiteral("liste.csv"),
                                            "Anna <Berger>;aberger;;;x\r\nBo;bo;y\r\n");
    const QString frage =
        "Error in row 1, Anna <Berger>\n\nResidual vacation x not numeric\n\n"
        "Do you want to continue?";
    const QString liste =
        "Error in row 1, Anna <Berger>: Residual vacation x not numeric\n"
        "Error in row 2, Bo: Date y is invalid";
    QtDialoge dialoge(true);
    Dienste dienste(Sprache::EN, p.u.plattform, dialoge);

    // The row question: Yes, Yes to All and No in this order by Tab, No the
    // default; Yes to All answered by its mnemonic, whatever Qt's text makes it.
    const auto jaFuerAlle = [](QWidget* dialog, QWidget*) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Import Employee Data");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        QList<QWidget*> reihe;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
            reihe.append(box->focusWidget());
        }
        EXPECT_EQ(reihe, (QList<QWidget*>{box->button(QMessageBox::Yes),
                                          box->button(QMessageBox::YesToAll),
                                          box->button(QMessageBox::No)}));
        QTest::keyClick(box->focusWidget(),
                        mnemonikFinden(box->button(QMessageBox::YesToAll)->text()),
                        Qt::AltModifier);
    };
    // The summary: its details list every fault; "Show Details..." and then the
    // list are reached by Tab, and the list is copied by keyboard.
    const auto details = [&liste](QWidget* dialog, QWidget*) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->detailedText(), liste);
        const QList<QAbstractButton*> knoepfe = box->buttons();
        const auto zeigen = std::find_if(knoepfe.begin(), knoepfe.end(), [&](auto* knopf) {
            return box->buttonRole(knopf) == QMessageBox::ActionRole;
        });
        ASSERT_NE(zeigen, knoepfe.end());
        ASSERT_TRUE(zielAnspringen(box, *zeigen));
        QTest::keyClick(*zeigen, Qt::Key_Space);
        auto* feld = box->findChild<QTextEdit*>();
        ASSERT_NE(feld, nullptr);
        EXPECT_TRUE(feld->isVisible());
        ASSERT_TRUE(zielAnspringen(box, feld));
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), liste);
        QTest::keyClick(feld, Qt::Key_Escape);
    };
    // The import's question keeps Yes and No alone.
    const auto jaZumUeberschreiben = [](QWidget* dialog, QWidget* fokus) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QTest::keyClick(fokus, Qt::Key_Y);
    };
    Tastatur tastatur({tippen(p.daten, Qt::Key_Return), tippen(csv, Qt::Key_Return),
                       tippen({}, Qt::Key_Return),  // No, the default
                       tippen({}, Qt::Key_Escape),  // No as well
                       jaFuerAlle, details, tippen({}, Qt::Key_Return), jaZumUeberschreiben,
                       tippen({}, Qt::Key_Return)});
    const auto f = test::starten(dienste);
    int status = -1;
    f->endbehandlungSetzen([&](int s) { status = s; });

    const struct {
        Knopf knopf;
        Qt::Key taste;
        Zustand zustand;
    } schritte[] = {{Knopf::Datenordner, Qt::Key_Space, Zustand::Importdatei},
                    {Knopf::Importdatei, Qt::Key_Return, Zustand::Pruefen},
                    {Knopf::Pruefen, Qt::Key_Space, Zustand::Pruefen},
                    {Knopf::Pruefen, Qt::Key_Return, Zustand::Pruefen},
                    {Knopf::Pruefen, Qt::Key_Space, Zustand::Pruefen},
                    {Knopf::Pruefen, Qt::Key_Return, Zustand::Importieren},
                    {Knopf::Importieren, Qt::Key_Space, Zustand::Fertig}};
    int pruefungen = 0;
    for (const auto& schritt : schritte) {
        druecken(*f, schritt.knopf, schritt.taste);
        test::zustandPruefen(*f, schritt.zustand);
        EXPECT_EQ(fokusLesen(*f),
                  QStringLiteral("cmdAuswahl%1").arg(nummerLesen(schritt.zustand)));  // 5: Close
        if (schritt.knopf == Knopf::Pruefen && ++pruefungen == 3) {
            // The user mends what the checks found.
            p.baum.dateiAnlegen(QStringLiteral("liste.csv"),
                                "Anna <Berger>;aberger;;;2.5;27.5;;;;1\r\n>Sales;\r\n");
        }
    }
    druecken(*f, Knopf::Schliessen, Qt::Key_Return);

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(tastatur.fertig());
    EXPECT_EQ(
        tastatur.gezeigt,
        (QStringList{"Browse for data folder:", "Import Employee Data - Select Import File",
                     "CSV (Comma delimited) (*.csv)", p.u.plattform.ordner, frage, frage, frage,
                     ("Testing completed. Errors found. Fix the errors in the import data "
                      "and repeat the test."),
                     "Testing completed. No errors found.",
                     ("Employee data already exist. Existing data will be overwritten by "
                      "the import data.\n\nDo you want to continue?"),
                     "Data successfully imported"}));
    EXPECT_EQ(p.planerzeilenLesen("Mitarbeiterdaten.dat"),
              (QStringList{"[Mitarbeiterdaten]", "99999999", "0",
                           ("000000:999999:002,5:027,5:000,0:000,0:000,0:001,0:000,0:000,0:000,0:"
                            "Anna <Berger>:aberger"),
                           "Sales"}));
    EXPECT_EQ(p.planerzeilenLesen("Konfigdaten.dat").value(7).at(29), u'1');
}

}  // namespace
}  // namespace mi
