#pragma once

#include "base/Dialoge.h"
#include "base/Plattform.h"
#include "texts/Sprache.h"

#include <QMessageBox>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

namespace mi {

// The dialogs of the real program: Qt's message box and file dialogs.
class QtDialoge : public Dialoge {
  public:
    // With eigeneDialoge Qt draws the file dialogs itself instead of asking the
    // platform, which tests need to reach them from inside the program.
    explicit QtDialoge(bool eigeneDialoge = false) : eigeneDialoge_(eigeneDialoge) {}
    QtDialoge(const QtDialoge&) = delete;
    QtDialoge& operator=(const QtDialoge&) = delete;

    void elternfensterSetzen(QWidget* fenster) override { eltern_ = fenster; }

    Antwort zeigen(const Meldungsbox& box) override;
    QString ordnerWaehlen(const QString& titel) override;
    std::optional<QString> dateiWaehlen(const Dateiwahl& wahl) override;

  private:
    QPointer<QWidget> eltern_;
    bool eigeneDialoge_;
};

// The message box's button for an answer, and its buttons for a set.
QMessageBox::StandardButton qtKnopfWaehlen(Antwort antwort);
QMessageBox::StandardButtons qtKnoepfeWaehlen(Boxknoepfe knoepfe);

// Installs Qt's own texts in the build's language (the message boxes' buttons
// with their mnemonics, "Show Details..."); false where Qt has none.
bool qtTexteLaden(QTranslator& uebersetzer, Sprache sprache);

// "description|pattern" as the file dialog's filter expects it.
QString qtDateifilterBilden(const QString& filter);

// The machine with its sound: the beep before every warning.
class QtPlattform : public Systemplattform {
  public:
    void signaltonGeben() override;
};

}  // namespace mi
