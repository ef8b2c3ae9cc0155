#include "base/Dateikanal.h"

#include "base/Fehler.h"
#include "base/Plattform.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <utility>

namespace mi {

namespace {

constexpr std::int32_t DateiBereitsOffen = 55;

// Devices that are not files know no cause: they count as an access error.
std::int32_t fehlernummerErmitteln(const QIODevice& geraet) {
    const auto* datei = qobject_cast<const QFileDevice*>(&geraet);
    if (datei == nullptr) {
        return fehlernummer::PfadZugriffsfehler;
    }
    if (istDatentraegerVoll(*datei)) {
        return fehlernummer::DatentraegerVoll;
    }
    return datei->error() == QFileDevice::PermissionsError ? fehlernummer::ZugriffVerweigert
                                                           : fehlernummer::PfadZugriffsfehler;
}

std::unique_ptr<QIODevice> dateiErzeugen(const QString& pfad, Kanalmodus modus) {
    // A file "Append" creates comes into being whole, with its first line, as
    // an "Output" file does, or not at all: never empty or with half a line.
    if (modus == Kanalmodus::Output || (modus == Kanalmodus::Append && !QFileInfo::exists(pfad))) {
        return std::make_unique<Speicherdatei>(pfad);
    }
    return std::make_unique<QFile>(pfad);
}

// The channel buffers "Output" itself and writes "Append" in one piece, so
// the device must not hold anything back that could fail later unseen.
QIODevice::OpenMode oeffnungsartWaehlen(Kanalmodus modus) {
    switch (modus) {
        case Kanalmodus::Input:
            return QIODevice::ReadOnly;
        case Kanalmodus::Output:
            return QIODevice::WriteOnly | QIODevice::Unbuffered;
        case Kanalmodus::Append:
            return QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    }
    return QIODevice::NotOpen;
}

}  // namespace

std::int32_t Speicherdatei::zielErsetzen() {
    if (const std::int32_t ursache = aufDatentraegerBringen(); ursache != 0) {
        return ursache;
    }
    return speicherdateiUebernehmen(*this);
}

std::int32_t Speicherdatei::aufDatentraegerBringen() {
    return mi::aufDatentraegerBringen(*this);
}

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
        geraet = dateiErzeugen(pfad, modus);
    }
    // Whether the file comes into being at its close, decided once for all
    // that follows: the close commits it, every other ending drops it.
    auto* sicher = dynamic_cast<Speicherdatei*>(geraet.get());
    if (!geraet->isOpen()) {
        if (sicher != nullptr) {
            // A folder that cannot take the temporary file fails here, at the
            // open, and never falls back to writing the target in place.
            sicher->setDirectWriteFallback(false);
        }
        if (!geraet->open(oeffnungsartWaehlen(sicher != nullptr ? Kanalmodus::Output : modus))) {
            const auto* datei = qobject_cast<const QFile*>(geraet.get());
            if (modus == Kanalmodus::Input && datei != nullptr && !datei->exists()) {
                fehlerAusloesen(fehlernummer::DateiNichtGefunden);
            }
            fehlerAusloesen(fehlernummerErmitteln(*geraet));
        }
    }
    inhalt_.clear();
    position_ = 0;
    anhangStart_ = 0;
    if (modus == Kanalmodus::Input) {
        inhalt_ = geraet->readAll();
    } else if (modus == Kanalmodus::Output) {
        // Exactly this much: resize() would round up to twice the size.
        inhalt_ = QByteArray(Schreibpuffer + 1024, Qt::Uninitialized);
    } else if (modus == Kanalmodus::Append) {
        anhangStart_ = geraet->size();
    }
    geraet_ = std::move(geraet);
    speicherdatei_ = sicher;
    modus_ = modus;
    pfad_ = pfad;
}

bool Dateikanal::dateiende() const {
    return !offen() || modus_ != Kanalmodus::Input || position_ >= inhalt_.size();
}

QByteArray Dateikanal::zeileLesen() {
    return zeileAnsehen().toByteArray();
}

QByteArrayView Dateikanal::zeileAnsehen() {
    if (!offen() || modus_ != Kanalmodus::Input) {
        fehlerAusloesen(fehlernummer::UngueltigerDateiname);
    }
    if (position_ >= inhalt_.size()) {
        fehlerAusloesen(fehlernummer::LesenNachDateiende);
    }
    const char* anfang = inhalt_.constData() + position_;
    const auto* gefunden =
        static_cast<const char*>(std::memchr(anfang, '\r', inhalt_.size() - position_));
    const qsizetype cr = gefunden == nullptr ? -1 : gefunden - inhalt_.constData();
    const qsizetype ende = cr < 0 ? inhalt_.size() : cr;
    const QByteArrayView zeile(anfang, ende - position_);
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
    if (position_ == 0) {
        // The whole file: handed over, not copied.
        return std::exchange(inhalt_, QByteArray());
    }
    QByteArray rest = inhalt_.sliced(position_);
    position_ = inhalt_.size();
    return rest;
}

void Dateikanal::zeileSchreiben(QByteArrayView zeile) {
    zeileErzeugen(zeile.size(), [&](char* ziel) {
        std::copy(zeile.begin(), zeile.end(), ziel);
        return zeile.size();
    });
}

char* Dateikanal::zeilenplatzBereitstellen(qsizetype hoechstens) {
    if (!offen() || modus_ == Kanalmodus::Input) {
        fehlerAusloesen(fehlernummer::UngueltigerDateiname);
    }
    // The buffer only ever grows, so a line costs no allocation of its own.
    const qsizetype noetig = position_ + hoechstens + 2;
    if (noetig > inhalt_.size()) {
        inhalt_.resize(std::max(noetig, inhalt_.size() * 2));
    }
    return inhalt_.data() + position_;
}

void Dateikanal::zeileAbschliessen(qsizetype laenge) {
    char* ende = inhalt_.data() + position_ + laenge;
    ende[0] = '\r';
    ende[1] = '\n';
    position_ += laenge + 2;
    // "Append" writes each line at once, so its buffer holds one line only.
    if (modus_ == Kanalmodus::Append || position_ >= Schreibpuffer) {
        pufferSchreiben();
    }
}

void Dateikanal::pufferSchreiben() {
    allesSchreiben(QByteArrayView(inhalt_.constData(), position_));
    position_ = 0;
}

void Dateikanal::allesSchreiben(QByteArrayView bytes) {
    // A disk that fills part-way takes what fits and reports no error: the
    // next write of the rest fails with the real cause.
    while (!bytes.isEmpty()) {
        const qint64 geschrieben = geraet_->write(bytes.data(), bytes.size());
        if (geschrieben <= 0) {
            schreibfehlerAusloesen();
        }
        bytes = bytes.sliced(geschrieben);
    }
}

void Dateikanal::schreibfehlerAusloesen() {
    const std::int32_t nummer = fehlernummerErmitteln(*geraet_);
    if (modus_ == Kanalmodus::Append) {
        // Half a line would join the next entry: back to the old length.
        if (auto* anhang = qobject_cast<QFile*>(geraet_.get())) {
            anhang->resize(anhangStart_);
        }
    }
    verwerfen();
    fehlerAusloesen(nummer == fehlernummer::DatentraegerVoll ? nummer
                                                             : fehlernummer::PfadZugriffsfehler);
}

void Dateikanal::schliessen() {
    if (!offen()) {
        return;
    }
    if (modus_ == Kanalmodus::Output) {
        pufferSchreiben();
    }
    if (speicherdatei_ != nullptr) {
        // closed by its commit alone
        if (const std::int32_t ursache = speicherdatei_->zielErsetzen(); ursache != 0) {
            verwerfen();
            fehlerAusloesen(ursache);
        }
    } else {
        geraet_->close();
    }
    geraet_.reset();
    speicherdatei_ = nullptr;
    inhalt_.clear();
    position_ = 0;
}

void Dateikanal::verwerfen() noexcept {
    if (!geraet_) {
        return;
    }
    if (speicherdatei_ != nullptr) {
        speicherdatei_->cancelWriting();
    }
    geraet_.reset();  // a save file that was not committed removes its temporary file
    speicherdatei_ = nullptr;
    inhalt_.clear();
    position_ = 0;
}

}  // namespace mi
