#include "Fakes.h"

#include <gtest/gtest.h>

namespace mi::test {

void PlattformFake::signalton() {
    if (protokoll_ != nullptr) {
        protokoll_->append(QStringLiteral("beep"));
    }
}

QStringList DialogeFake::texte() const {
    QStringList alle;
    for (const Meldungsbox& box : boxen) {
        alle.append(box.text);
    }
    return alle;
}

Antwort DialogeFake::zeigen(const Meldungsbox& box) {
    boxen.push_back(box);
    if (protokoll_ != nullptr) {
        protokoll_->append(QStringLiteral("box"));
    }
    if (!skript_.empty() && std::holds_alternative<Antwort>(skript_.front())) {
        const Antwort antwort = std::get<Antwort>(skript_.front());
        skript_.pop_front();
        return antwort;
    }
    if (immer_) {
        return *immer_;
    }
    ADD_FAILURE() << "unexpected box: " << box.text.toStdString();
    return box.knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Nein;
}

QString DialogeFake::ordnerWaehlen(const QString& titel) {
    ordnerTitel.append(titel);
    if (protokoll_ != nullptr) {
        protokoll_->append(QStringLiteral("folder"));
    }
    if (skript_.empty() || !std::holds_alternative<OrdnerAntwort>(skript_.front())) {
        ADD_FAILURE() << "unexpected folder chooser: " << titel.toStdString();
        return {};
    }
    QString pfad = std::get<OrdnerAntwort>(skript_.front()).pfad;
    skript_.pop_front();
    return pfad;
}

std::optional<QString> DialogeFake::dateiWaehlen(const Dateiwahl& wahl) {
    dateiwahlen.push_back(wahl);
    if (protokoll_ != nullptr) {
        protokoll_->append(QStringLiteral("file"));
    }
    if (skript_.empty() || !std::holds_alternative<DateiAntwort>(skript_.front())) {
        ADD_FAILURE() << "unexpected file dialog: " << wahl.titel.toStdString();
        return std::nullopt;
    }
    std::optional<QString> pfad = std::get<DateiAntwort>(skript_.front()).pfad;
    skript_.pop_front();
    return pfad;
}

Umgebung::Umgebung(Sprache sprache) : lz(std::make_unique<Laufzeit>(sprache, plattform, dialoge)) {
    lz->Programmtitel = lz->texte.programmtitel;
}

}  // namespace mi::test
