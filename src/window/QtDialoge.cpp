#include "window/QtDialoge.h"

#include "window/Mauszeiger.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTextEdit>
#include <QTranslator>

namespace mi {

QMessageBox::StandardButton qtKnopfWaehlen(Antwort antwort) {
    switch (antwort) {
        case Antwort::Ja:
            return QMessageBox::Yes;
        case Antwort::JaAlle:
            return QMessageBox::YesToAll;
        case Antwort::Nein:
            return QMessageBox::No;
        case Antwort::OK:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtKnoepfeWaehlen(Boxknoepfe knoepfe) {
    switch (knoepfe) {
        case Boxknoepfe::JaNein:
            return QMessageBox::Yes | QMessageBox::No;
        case Boxknoepfe::JaAlleNein:
            // Qt places the two Yes buttons in this order, No after them.
            return QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No;
        case Boxknoepfe::OK:
            break;
    }
    return QMessageBox::Ok;
}

bool qtTexteLaden(QTranslator& uebersetzer, Sprache sprache) {
    QLatin1String kuerzel("en");
    if (sprache == Sprache::DE) {
        kuerzel = QLatin1String("de");
    } else if (sprache == Sprache::FR) {
        kuerzel = QLatin1String("fr");
    }
    return uebersetzer.load(QLocale(kuerzel), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&uebersetzer);
}

Antwort QtDialoge::zeigen(const Meldungsbox& box) {
    // A box that comes while a step keeps the mouse busy still waits for the user.
    const Mauszeiger zeiger(Qt::ArrowCursor);
    QMessageBox fenster(eltern_);
    fenster.setWindowTitle(box.titel);
    fenster.setIcon(box.symbol == Symbol::Frage ? QMessageBox::Question : QMessageBox::Warning);
    // Plain text: a path with "<" in it must not turn the box into HTML.
    fenster.setTextFormat(Qt::PlainText);
    QString text = box.text;
    text.replace(QChar(u'\r'), QChar(u'\n'));
    fenster.setText(text);
    fenster.setStandardButtons(qtKnoepfeWaehlen(box.knoepfe));
    fenster.setDefaultButton(qtKnopfWaehlen(box.standard));
    if (!box.details.isEmpty()) {
        // Always plain text, hidden until "Show Details...". Qt lets only the
        // mouse select it; Tab reaches it too, so the keyboard can copy it.
        QString details = box.details;
        details.replace(QChar(u'\r'), QChar(u'\n'));
        fenster.setDetailedText(details);
        if (auto* feld = fenster.findChild<QTextEdit*>()) {
            feld->setFocusPolicy(Qt::TabFocus);
            feld->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
    }
    fenster.setWindowModality(Qt::ApplicationModal);

    switch (fenster.exec()) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::YesToAll:
            return Antwort::JaAlle;
        case QMessageBox::No:
            return Antwort::Nein;
        default:
            // A question closed by its close box or Escape counts as No.
            return box.knoepfe == Boxknoepfe::OK ? Antwort::OK : Antwort::Nein;
    }
}

QString QtDialoge::ordnerWaehlen(const QString& titel) {
    QFileDialog::Options optionen = QFileDialog::ShowDirsOnly;
    if (eigeneDialoge_) {
        optionen |= QFileDialog::DontUseNativeDialog;
    }
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(eltern_, titel, QString(), optionen));
}

std::optional<QString> QtDialoge::dateiWaehlen(const Dateiwahl& wahl) {
    QFileDialog::Options optionen;
    if (eigeneDialoge_) {
        optionen |= QFileDialog::DontUseNativeDialog;
    }
    const QString datei = QFileDialog::getOpenFileName(
        eltern_, wahl.titel, wahl.startordner, qtDateifilterBilden(wahl.filter), nullptr, optionen);
    if (datei.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(datei);
}

QString qtDateifilterBilden(const QString& filter) {
    const qsizetype strich = filter.indexOf(u'|');
    if (strich < 0) {
        return filter;
    }
    QString beschreibung = filter.left(strich).trimmed();
    // Qt reads the patterns from the description's parentheses, separated by blanks.
    QString muster = filter.mid(strich + 1).trimmed();
    muster.replace(u';', u' ');
    if (beschreibung.endsWith(QStringLiteral("(") + muster + QStringLiteral(")"))) {
        return beschreibung;
    }
    return beschreibung + QStringLiteral(" (") + muster + QStringLiteral(")");
}

void QtPlattform::signaltonGeben() {
    QApplication::beep();
}

}  // namespace mi
