#include "Fakes.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace mi::test {

void PlattformFake::signaltonGeben() {
    if (protokoll_ != nullptr) {
        protokoll_->append(QStringLiteral("beep"));
    }
}

std::optional<Dateiattribute> PlattformFake::attribute(const QString& pfad) const {
    auto a = dateiattributeImSystemLesen(pfad);
    if (a && verborgen.contains(QFileInfo(pfad).fileName())) {
        a->verborgen = true;
    }
    return a;
}

bool PlattformFake::verzeichnisBetreten(const QString& pfad) {
    betreten.append(pfad);
    const auto a = attribute(pfad);
    return a && a->verzeichnis;
}

DialogeFake::~DialogeFake() {
    EXPECT_TRUE(skript_.empty()) << skript_.size() << " expected dialogs never shown";
}

QStringList DialogeFake::boxtexte() const {
    QStringList alle;
    for (const Meldungsbox& box : boxen) {
        alle.append(box.text);
    }
    return alle;
}

template <typename Art>
std::optional<Art> DialogeFake::erwartungNehmen(const char* was) {
    if (protokoll_ != nullptr) {
        protokoll_->append(QLatin1String(was));
    }
    if (skript_.empty() || !std::holds_alternative<Art>(skript_.front())) {
        return std::nullopt;
    }
    Art art = std::get<Art>(skript_.front());
    skript_.pop_front();
    return art;
}

namespace {

// Whether the box has a button for the answer.
bool hatKnopf(Boxknoepfe knoepfe, Antwort antwort) {
    switch (knoepfe) {
        case Boxknoepfe::OK:
            return antwort == Antwort::OK;
        case Boxknoepfe::JaNein:
            return antwort == Antwort::Ja || antwort == Antwort::Nein;
        case Boxknoepfe::JaAlleNein:
            return antwort != Antwort::OK;
    }
    return false;
}

}  // namespace

Antwort DialogeFake::zeigen(const Meldungsbox& box) {
    boxen.push_back(box);
    std::optional<Antwort> antwort = erwartungNehmen<Antwort>("box");
    if (!antwort && immer_) {
        antwort = box.knoepfe == Boxknoepfe::OK ? Antwort::OK : *immer_;
    }
    if (!antwort) {
        ADD_FAILURE() << "unexpected box: " << box.text.toStdString();
    } else if (!hatKnopf(box.knoepfe, *antwort)) {
        ADD_FAILURE() << "no button for the scripted answer: " << box.text.toStdString();
    } else {
        return *antwort;
    }
    return box.knoepfe == Boxknoepfe::OK ? Antwort::OK : Antwort::Nein;
}

QString DialogeFake::ordnerWaehlen(const QString& titel) {
    ordnerTitel.append(titel);
    if (auto antwort = erwartungNehmen<OrdnerAntwort>("folder")) {
        return antwort->pfad;
    }
    ADD_FAILURE() << "unexpected folder chooser: " << titel.toStdString();
    return {};
}

std::optional<QString> DialogeFake::dateiWaehlen(const Dateiwahl& wahl) {
    if (auto antwort = erwartungNehmen<DateiAntwort>("file")) {
        return antwort->pfad;
    }
    ADD_FAILURE() << "unexpected file dialog: " << wahl.titel.toStdString();
    return std::nullopt;
}

Umgebung::Umgebung(Sprache sprache) : dienste(sprache, plattform, dialoge) {}

}  // namespace mi::test
