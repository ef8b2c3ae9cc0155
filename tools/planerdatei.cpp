// planerdatei: turns a plain text file into the planner's scrambled form and
// back, so that planner administrators can read what an import wrote and the
// demo installation can be kept as readable text.

#include "base/Dateikanal.h"
#include "base/Fehler.h"
#include "base/Plattform.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "import/Importdatei.h"

#include <QByteArrayList>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int Erfolg = 0;
constexpr int Fehlschlag = 1;
constexpr int Aufruffehler = 2;

constexpr const char* Aufruf =
    "usage: planerdatei encode <plain-file> <scrambled-file>\n"
    "       planerdatei decode <scrambled-file> <plain-file>\n"
    "\n"
    "encode  scrambles every line of a plain text file the way the planner stores\n"
    "        its files. The plain file is Windows-1252 or UTF-8 text with CR LF or\n"
    "        LF line ends. Tabs and other control characters are dropped, as the\n"
    "        planner drops them; characters Windows-1252 cannot hold become '?'.\n"
    "decode  turns a scrambled planner file back into plain Windows-1252 text with\n"
    "        CR LF line ends.\n"
    "\n"
    "The target file is replaced only once it has been written completely.\n";

void melden(const QString& text) {
    std::fprintf(stderr, "planerdatei: %s\n", text.toLocal8Bit().constData());
}

// The lines of a file as the channel reads them: a line ends at CR LF or a
// lone CR, as in every file the planner writes.
std::optional<QByteArrayList> alleZeilenLesen(const QString& pfad) {
    mi::Dateikanal kanal;
    try {
        kanal.oeffnen(pfad, mi::Kanalmodus::Input);
        QByteArrayList zeilen;
        while (!kanal.dateiende()) {
            zeilen.append(kanal.zeileLesen());
        }
        kanal.schliessen();
        return zeilen;
    } catch (const mi::Laufzeitfehler& fehler) {
        melden(QStringLiteral("cannot read '%1': %2").arg(pfad, fehler.beschreibung));
        return std::nullopt;
    }
}

// A plain file read as the import file is: UTF-8 or Windows-1252, any line ends.
std::optional<QByteArrayList> klartextLesen(const QString& pfad) {
    mi::Dateikanal kanal;
    try {
        kanal.oeffnen(pfad, mi::Kanalmodus::Input);
        const QString text = mi::importtextDekodieren(kanal.restLesen());
        kanal.schliessen();
        QByteArrayList zeilen;
        for (mi::Zeilenzerleger z(text); !z.ende();) {
            zeilen.append(mi::cp1252Kodieren(z.abtrennen()));
        }
        return zeilen;
    } catch (const mi::Laufzeitfehler& fehler) {
        melden(QStringLiteral("cannot read '%1': %2").arg(pfad, fehler.beschreibung));
        return std::nullopt;
    }
}

bool schreiben(const QString& pfad, const QByteArrayList& zeilen) {
    mi::Dateikanal kanal;
    try {
        kanal.oeffnen(pfad, mi::Kanalmodus::Output);
        for (const QByteArray& zeile : zeilen) {
            kanal.zeileSchreiben(zeile);
        }
        kanal.schliessen();
        return true;
    } catch (const mi::Laufzeitfehler& fehler) {
        melden(QStringLiteral("cannot write '%1': %2").arg(pfad, fehler.beschreibung));
        return false;
    }
}

int verschluesseln(const QString& quelle, const QString& ziel) {
    auto gelesen = klartextLesen(quelle);
    if (!gelesen) {
        return Fehlschlag;
    }
    mi::Systemplattform plattform;
    QByteArrayList& zeilen = *gelesen;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QByteArray& zeile = zeilen[i];
        if (std::any_of(zeile.cbegin(), zeile.cend(),
                        [](char b) { return static_cast<unsigned char>(b) < 32; })) {
            melden(QStringLiteral("warning: line %1: control characters dropped").arg(i + 1));
        }
        zeile =
            mi::zeileVerschluesseln(zeile, mi::startzeichenWaehlen(plattform.zufallszahlZiehen()));
    }
    return schreiben(ziel, zeilen) ? Erfolg : Fehlschlag;
}

int entschluesseln(const QString& quelle, const QString& ziel) {
    auto gelesen = alleZeilenLesen(quelle);
    if (!gelesen) {
        return Fehlschlag;
    }
    QByteArrayList& zeilen = *gelesen;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i].isEmpty()) {
            // Every scrambled line holds at least its start character.
            melden(QStringLiteral("'%1' line %2 is empty: not a scrambled planner file")
                       .arg(quelle)
                       .arg(i + 1));
            return Fehlschlag;
        }
        zeilen[i] = mi::zeileEntschluesseln(zeilen[i]);
    }
    return schreiben(ziel, zeilen) ? Erfolg : Fehlschlag;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList argumente = [&] {
        QStringList liste;
        for (int i = 1; i < argc; ++i) {
            liste.append(QString::fromLocal8Bit(argv[i]));
        }
        return liste;
    }();
    if (argumente.size() == 1 && (argumente[0] == u"--help" || argumente[0] == u"-h")) {
        std::fputs(Aufruf, stdout);
        return Erfolg;
    }
    if (argumente.size() != 3 || (argumente[0] != u"encode" && argumente[0] != u"decode")) {
        std::fputs(Aufruf, stderr);
        return Aufruffehler;
    }
    return argumente[0] == u"encode" ? verschluesseln(argumente[1], argumente[2])
                                     : entschluesseln(argumente[1], argumente[2]);
}
