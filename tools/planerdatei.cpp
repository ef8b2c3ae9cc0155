// planerdatei: turns a plain text file into the planner's scrambled form and
// back, so that planner administrators can read what an import wrote and the
// demo installation can be kept as readable text.

#include "datastore/Dateikanal.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "messages/Fehler.h"
#include "startup/Plattform.h"

#include <QByteArrayList>
#include <QFile>
#include <QStringDecoder>
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
    "        planner drops them.\n"
    "decode  turns a scrambled planner file back into plain Windows-1252 text with\n"
    "        CR LF line ends.\n"
    "\n"
    "The target file is replaced only once it has been written completely.\n";

void melden(const QString& text) {
    std::fprintf(stderr, "planerdatei: %s\n", text.toLocal8Bit().constData());
}

std::optional<QByteArray> lesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        melden(QStringLiteral("cannot read '%1': %2").arg(pfad, datei.errorString()));
        return std::nullopt;
    }
    return datei.readAll();
}

// Splits at CR LF, a lone CR or a lone LF; a line end after the last line does
// not start another one.
QByteArrayList zeilenTrennen(QByteArray inhalt) {
    inhalt.replace("\r\n", "\n").replace('\r', '\n');
    QByteArrayList zeilen = inhalt.split('\n');
    if (zeilen.last().isEmpty()) {
        zeilen.removeLast();
    }
    return zeilen;
}

// Text editors save UTF-8 today; a file that is valid UTF-8 and not plain
// ASCII is taken as UTF-8, since Windows-1252 text with accents practically
// never is.
QByteArray nachWindows1252(QByteArray inhalt) {
    const QByteArray bom("\xEF\xBB\xBF");
    const bool mitBom = inhalt.startsWith(bom);
    if (mitBom) {
        inhalt.remove(0, bom.size());
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(inhalt);
    const bool nurAscii =
        std::none_of(inhalt.cbegin(), inhalt.cend(), [](char b) { return (b & 0x80) != 0; });
    if (!mitBom && (utf8.hasError() || nurAscii)) {
        return inhalt;
    }
    QByteArray bytes = mi::cp1252Kodieren(text);
    if (mi::cp1252Dekodieren(bytes) != text) {
        melden(QStringLiteral("warning: characters Windows-1252 cannot hold were written as '?'"));
    }
    return bytes;
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
    const auto inhalt = lesen(quelle);
    if (!inhalt) {
        return Fehlschlag;
    }
    mi::Systemplattform plattform;
    QByteArrayList zeilen = zeilenTrennen(nachWindows1252(*inhalt));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QByteArray& zeile = zeilen[i];
        if (std::any_of(zeile.cbegin(), zeile.cend(),
                        [](char b) { return static_cast<unsigned char>(b) < 32; })) {
            melden(QStringLiteral("warning: line %1: control characters dropped").arg(i + 1));
        }
        zeile = mi::zeileVerschluesseln(zeile, mi::startzeichen(plattform.zufallszahl()));
    }
    return schreiben(ziel, zeilen) ? Erfolg : Fehlschlag;
}

int entschluesseln(const QString& quelle, const QString& ziel) {
    const auto inhalt = lesen(quelle);
    if (!inhalt) {
        return Fehlschlag;
    }
    QByteArrayList zeilen = zeilenTrennen(*inhalt);
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
