#include "window/QtDialoge.h"

#include "window/Mauszeiger.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace mi {

QMessageBox::StandardButton qtKnopf(Antwort antwort) {
    switch (antwort) {
        case Antwort::Ja:
            return QMessageBox::Yes;
        case Antwort::Nein:
            return QMessageBox::No;
        case Antwort::OK:
            break;
    }
    return QMessageBox::Ok;
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
    fenster.setStandardButtons(box.knoepfe == Knoepfe::JaNein
                                   ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::StandardButtons(QMessageBox::Ok));
    fenster.setDefaultButton(qtKnopf(box.standard));
    fenster.setWindowModality(Qt::ApplicationModal);

    switch (fenster.exec()) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        default:
            // A question closed by its close box or Escape counts as No.
            return box.knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::OK;
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
        eltern_, wahl.titel, wahl.startordner, qtDateifilter(wahl.filter), nullptr, optionen);
    if (datei.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(datei);
}

QString qtDateifilter(const QString& filter) {
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

void QtPlattform::signalton() {
    QApplication::beep();
}

}  // namespace mi
