#include "Fuzzhilfe.h"

#include "base/Pfade.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QBuffer>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace mi::fuzz {

namespace {

QString dateinameAbtrennen(const QString& pfad) {
    return pfad.sliced(pfad.lastIndexOf(QDir::separator()) + 1);
}

// The readers look for names; a wildcard costs a pattern per listing.
bool passt(const QString& name, const QString& muster) {
    if (muster.contains(u'*') || muster.contains(u'?')) {
        return QDir::match(muster, name);
    }
    return name.compare(muster, Qt::CaseInsensitive) == 0;
}

}  // namespace

const QString& planerordnerNennen() {
    static const QString ordner =
        QDir::toNativeSeparators(QStringLiteral("/fuzz/planer")) + QDir::separator();
    return ordner;
}

QString FesteUmgebung::umgebungsvariable(const QString& name) const {
    return name == u"USERNAME" ? QStringLiteral("demo") : QString();
}

QString FesteUmgebung::programmordner() const {
    return planerordnerNennen().chopped(1);
}

std::optional<Dateiattribute> FesteUmgebung::attribute(const QString& pfad) const {
    if (trennerAnhaengen(pfad) == planerordnerNennen()) {
        return Dateiattribute{true, false};
    }
    if (pfad.startsWith(planerordnerNennen()) && dateien.count(dateinameAbtrennen(pfad)) != 0) {
        return Dateiattribute{false, false};
    }
    return std::nullopt;
}

std::optional<QStringList> FesteUmgebung::dateinamen(const QString& ordner,
                                                     const QString& muster) const {
    if (ordner.isEmpty() || trennerAnhaengen(ordner) != planerordnerNennen()) {
        return std::nullopt;
    }
    QStringList namen;
    for (const auto& [name, inhalt] : dateien) {
        if (passt(name, muster)) {
            namen.append(name);
        }
    }
    return namen;
}

bool FesteUmgebung::verzeichnisBetreten(const QString& pfad) {
    return trennerAnhaengen(pfad) == planerordnerNennen();
}

Lauf::Lauf(Sprache sprache) : dienste(sprache, plattform, dialoge) {
    dienste.kanal.geraetefabrikSetzen(
        [this](const QString& pfad, Kanalmodus modus) -> std::unique_ptr<QIODevice> {
            if (modus != Kanalmodus::Input) {
                return std::make_unique<QBuffer>();
            }
            const auto gefunden = plattform.dateien.find(dateinameAbtrennen(pfad));
            if (gefunden == plattform.dateien.end()) {
                return nullptr;  // a missing file, as the disk reports it
            }
            auto puffer = std::make_unique<QBuffer>();
            puffer->setData(gefunden->second);
            return puffer;
        });
}

QString Lauf::dateiAnlegen(const QString& name, const QByteArray& inhalt) {
    plattform.dateien[name] = inhalt;
    return planerordnerNennen() + name;
}

QByteArray Lauf::verschluesseln(const QByteArray& klartext) {
    // Under the sanitizers every allocation costs a stack trace: one buffer
    // for the file, one piece per line.
    QByteArray datei;
    datei.reserve(klartext.size() * 2 + 3);
    qsizetype anfang = 0;
    for (;;) {
        const qsizetype ende = klartext.indexOf('\n', anfang);
        const qsizetype laenge = (ende < 0 ? klartext.size() : ende) - anfang;
        datei.append(zeileVerschluesseln(QByteArrayView(klartext).sliced(anfang, laenge), 65))
            .append("\r\n");
        if (ende < 0) {
            return datei;
        }
        anfang = ende + 1;
    }
}

bool Lauf::planerdateiAnlegen(const QString& name, const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return false;
    }
    const QByteArray inhalt = bytesAnsehen(daten + 1, groesse - 1);
    dateiAnlegen(name, (daten[0] & 1) != 0 ? verschluesseln(inhalt) : inhalt);
    return true;
}

QByteArray bytesAnsehen(const std::uint8_t* daten, std::size_t groesse) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(daten),
                                   static_cast<qsizetype>(groesse));
}

void ausfuehren(Dienste& dienste, const std::function<void()>& rumpf) {
    try {
        rumpf();
    } catch (const Programmende& ende) {
        if (ende.grund == Programmende::Grund::Standardausnahme) {
            std::fputs("defect: a standard exception ended the program\n", stderr);
            std::abort();
        }
    }
    if (dienste.kanal.offen()) {
        std::fputs("defect: the file channel was left open\n", stderr);
        std::abort();
    }
}

}  // namespace mi::fuzz
