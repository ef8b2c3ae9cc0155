#include "datastore/Dateikanal.h"

#include "messages/Fehler.h"
#include "messages/Meldungen.h"
#include "startup/Laufzeit.h"

#include <QFile>
#include <QSaveFile>

namespace mi {

namespace {

constexpr std::int32_t DateiBereitsOffen = 55;

std::int32_t nummerFuer(QFileDevice::FileError fehler) {
    switch (fehler) {
        case QFileDevice::ResourceError:
            return fehlernummer::DatentraegerVoll;
        case QFileDevice::PermissionsError:
            return fehlernummer::ZugriffVerweigert;
        default:
            return fehlernummer::PfadZugriffsfehler;
    }
}

std::unique_ptr<QIODevice> dateiOeffnen(const QString& pfad, Kanalmodus modus) {
    switch (modus) {
        case Kanalmodus::Input: {
            auto datei = std::make_unique<QFile>(pfad);
            if (!datei->open(QIODevice::ReadOnly)) {
                fehlerAusloesen(datei->exists() ? nummerFuer(datei->error())
                                                : fehlernummer::DateiNichtGefunden);
            }
            return datei;
        }
        case Kanalmodus::Output: {
            auto datei = std::make_unique<QSaveFile>(pfad);
            datei->setDirectWriteFallback(false);
            if (!datei->open(QIODevice::WriteOnly)) {
                fehlerAusloesen(nummerFuer(datei->error()));
            }
            return datei;
        }
        case Kanalmodus::Append: {
            auto datei = std::make_unique<QFile>(pfad);
            if (!datei->open(QIODevice::WriteOnly | QIODevice::Append)) {
                fehlerAusloesen(nummerFuer(datei->error()));
            }
            return datei;
        }
    }
    fehlerAusloesen(fehlernummer::UngueltigerAufruf);
}

}  // namespace

Dateikanal::~Dateikanal() {
    verwerfen();
}

std::optional<Kanalmodus> Dateikanal::modus() const {
    if (!offen()) {
        return std::nullopt;
    }
    return modus_;
}

void Dateikanal::oeffnen(const QString& pfad, Kanalmodus modus) {
    if (offen()) {
        fehlerAusloesen(DateiBereitsOffen);
    }
    std::unique_ptr<QIODevice> geraet;
    if (fabrik_) {
        geraet = fabrik_(pfad, modus);
    }
    if (!geraet) {
        geraet = dateiOeffnen(pfad, modus);
    }
    inhalt_.clear();
    position_ = 0;
    anhangStart_ = 0;
    if (modus == Kanalmodus::Input) {
        inhalt_ = geraet->readAll();
    } else if (modus == Kanalmodus::Append) {
        anhangStart_ = geraet->size();
    }
    geraet_ = std::move(geraet);
    modus_ = modus;
    pfad_ = pfad;
}

bool Dateikanal::dateiende() const {
    return !offen() || modus_ != Kanalmodus::Input || position_ >= inhalt_.size();
}

QByteArray Dateikanal::zeileLesen() {
    if (!offen() || modus_ != Kanalmodus::Input) {
        fehlerAusloesen(fehlernummer::UngueltigerDateiname);
    }
    if (position_ >= inhalt_.size()) {
        fehlerAusloesen(fehlernummer::LesenNachDateiende);
    }
    const qsizetype cr = inhalt_.indexOf('\r', position_);
    const qsizetype ende = cr < 0 ? inhalt_.size() : cr;
    QByteArray zeile = inhalt_.sliced(position_, ende - position_);
    position_ = ende;
    if (cr >= 0) {
        position_ = cr + 1;
        if (position_ < inhalt_.size() && inhalt_.at(position_) == '\n') {
            ++position_;
        }
    }
    return zeile;
}

QByteArray Dateikanal::restLesen() {
    if (!offen() || modus_ != Kanalmodus::Input) {
        fehlerAusloesen(fehlernummer::UngueltigerDateiname);
    }
    QByteArray rest = inhalt_.sliced(position_);
    position_ = inhalt_.size();
    return rest;
}

void Dateikanal::zeileSchreiben(QByteArrayView zeile) {
    if (!offen() || modus_ == Kanalmodus::Input) {
        fehlerAusloesen(fehlernummer::UngueltigerDateiname);
    }
    QByteArray mitEnde;
    mitEnde.reserve(zeile.size() + 2);
    mitEnde.append(zeile).append("\r\n");
    // One write per line, so an append either lands whole or is cut back.
    if (geraet_->write(mitEnde) != mitEnde.size()) {
        schreibfehler(*geraet_);
    }
}

void Dateikanal::schreibfehler(const QIODevice& geraet) {
    const auto* datei = qobject_cast<const QFileDevice*>(&geraet);
    const bool voll = datei != nullptr && datei->error() == QFileDevice::ResourceError;
    if (modus_ == Kanalmodus::Append) {
        // Half a line would join the next entry; the log book must stay whole.
        if (auto* anhang = qobject_cast<QFile*>(geraet_.get())) {
            anhang->resize(anhangStart_);
        }
    }
    verwerfen();
    fehlerAusloesen(voll ? fehlernummer::DatentraegerVoll : fehlernummer::PfadZugriffsfehler);
}

void Dateikanal::schliessen() {
    if (!offen()) {
        return;
    }
    if (modus_ == Kanalmodus::Output) {
        if (auto* sicher = qobject_cast<QSaveFile*>(geraet_.get())) {
            if (!sicher->commit()) {
                const std::int32_t nummer = sicher->error() == QFileDevice::ResourceError
                                                ? fehlernummer::DatentraegerVoll
                                                : fehlernummer::PfadZugriffsfehler;
                verwerfen();
                fehlerAusloesen(nummer);
            }
            geraet_.reset();
            inhalt_.clear();
            return;
        }
    }
    geraet_->close();
    geraet_.reset();
    inhalt_.clear();
}

void Dateikanal::verwerfen() noexcept {
    if (!geraet_) {
        return;
    }
    if (auto* sicher = qobject_cast<QSaveFile*>(geraet_.get())) {
        sicher->cancelWriting();
    }
    geraet_.reset();  // a QSaveFile that was not committed removes its temporary file
    inhalt_.clear();
    position_ = 0;
}

bool Datei_öffnen(Laufzeit& lz, const QString& pfad, const QString& modus, const QString& option) {
    std::optional<Kanalmodus> art;
    if (modus == u"Output") {
        art = Kanalmodus::Output;
    } else if (modus == u"Append") {
        art = Kanalmodus::Append;
    } else if (modus == u"Input") {
        art = Kanalmodus::Input;
    }
    try {
        if (!art) {
            fehlerAusloesen(fehlernummer::UngueltigerAufruf);
        }
        lz.kanal.oeffnen(pfad, *art);
        return true;
    } catch (const Laufzeitfehler&) {
        lz.kanal.verwerfen();
        if (option == u"IgnoreErrors") {
            return false;
        }
        const Texte& t = lz.texte;
        Abbruchmeldung(lz, t.dateiNichtGeoeffnet.arg(pfad) + QStringLiteral("\r\r") +
                               t.zugriffsrechte +
                               (art == Kanalmodus::Input ? t.endungLesen : t.endungSchreiben));
    }
}

void Datei_schließen(Laufzeit& lz) {
    lz.kanal.schliessen();
}

}  // namespace mi
