#include "Dateibaum.h"
#include "QtDruck.h"
#include "wizard/qt/QtDialoge.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
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

INSTANTIATE_TEST_SUITE_P(
    Boxen, EchteBox,
    ::testing::Values(
        BoxFall{"Warning",
                {QStringLiteral("Title"), Text, Symbol::Warnung, Knoepfe::OK, Antwort::OK},
                QMessageBox::Warning,
                QMessageBox::Ok,
                QMessageBox::Ok,
                QMessageBox::Ok,
                Antwort::OK},
        BoxFall{"QuestionYes",
                {QStringLiteral("Frage"), Text, Symbol::Frage, Knoepfe::JaNein, Antwort::Nein},
                QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No,
                QMessageBox::Yes,
                Antwort::Ja},
        BoxFall{"QuestionNo",
                {QStringLiteral("Frage"), Text, Symbol::Frage, Knoepfe::JaNein, Antwort::Nein},
                QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No,
                QMessageBox::No,
                Antwort::Nein}),
    [](const ::testing::TestParamInfo<BoxFall>& i) { return std::string(i.param.name); });

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

}  // namespace
}  // namespace mi
