#include "Pruefhilfen.h"
#include "base/Auflistung.h"
#include "base/Datum.h"
#include "base/Einzelsuche.h"
#include "base/Ersetzen.h"
#include "base/Zeichensuche.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#endif

namespace mi {
namespace {

using test::Dateibaum;

TEST(ErsetzenTest, ResumesOneCharacterOnFromTheReplacement) {
    const QString faelle[][4] = {
        {"a;\"b;\"\"c", ";\"", ";", "a;b;\"c"},
        {"..", ".", ",,", ",,,,"},
        {"aaa", "a", "", "a"},               // the character moved into the gap stays
        {"abab", "ab", "xaby", "xabyxaby"},  // resumes inside the longer replacement
        {"abc", "", "x", "abc"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Ersetzen(f[0], f[1], f[2]), f[3]) << f[0].toStdString();
    }
}

// Each vector search against its twin that takes one character at a time, on
// texts of up to forty characters (one to three blocks of sixteen and their
// tails, which the vector searches read as the last sixteen): a character of
// each kind the check looks at more closely, at every position, among ASCII,
// Latin-1, separators or characters beyond 0xFF (narrowed to bytes by the
// vector searches, to 0xFF or 0x00, their lower bytes ";" and ":"); searched
// from the start, from it and from after it. The twin finds the character
// where it should.
TEST(ZeichensucheTest, EachVectorSearchFindsWhatItsScalarTwinFinds) {
    // What the check looks at more closely, in a file separated by sep; the
    // separator, the line ends and printable text it passes.
    const std::tuple<char16_t, char16_t, bool> pruefzeichen[] = {
        {u'|', u';', true},      {u':', u';', true},       {u':', u':', false},
        {u'"', u':', true},      {u'"', u';', false},      {u'\t', u',', true},
        {u'\t', u'\t', false},   {u'\r', u';', false},     {u'\n', u';', false},
        {u'\0', u';', true},     {u'\x1A', u';', true},    {u'\x7F', u';', true},
        {u'\u0081', u';', true}, {u'\u00A0', u';', false}, {u'\u00FE', u';', false},
        {u'\u00FF', u';', true}, {u'\u0159', u';', true},  {u'\u017C', u';', true},
        {u'\u20AC', u';', true}, {u'\u8000', u';', true},  {u'\uFFFD', u';', true},
        {u'\uFF3A', u':', true}, {u'~', u';', false},      {u' ', u';', false},
        {u';', u';', false},
    };
    for (const QChar grund : QStringView(u"a\u00E9\u013B\uFF3A;")) {
        for (qsizetype laenge = 1; laenge <= 40; ++laenge) {
            for (qsizetype stelle = 0; stelle < laenge; ++stelle) {
                for (const auto& [z, sep, gefunden] : pruefzeichen) {
                    QString text(laenge, grund);
                    text[stelle] = QChar(z);
                    const QByteArray bytes = text.toLatin1();
                    const auto ort = [&, z = z] {
                        return QString::asprintf("U+%04X at %lld of %lld in U+%04X", unsigned(z),
                                                 stelle, laenge, unsigned(grund.unicode()))
                            .toStdString();
                    };
                    if (grund == u'a') {
                        ASSERT_EQ(einzeln::pruefzeichenFinden(text, 0, sep), gefunden ? stelle : -1)
                            << ort();
                    }
                    for (const qsizetype ab : {qsizetype{0}, stelle, stelle + 1}) {
                        ASSERT_EQ(pruefzeichenFinden(text, ab, sep),
                                  einzeln::pruefzeichenFinden(text, ab, sep))
                            << ort() << " from " << ab << " sep " << int(sep);
                        ASSERT_EQ(einesVonZweiFinden(text, ab, z, u';'),
                                  einzeln::einesVonZweiFinden(text, ab, z, u';'))
                            << ort() << " from " << ab;
                        ASSERT_EQ(einesVonDreiFinden(text, ab, u'"', u':', z),
                                  einzeln::einesVonDreiFinden(text, ab, u'"', u':', z))
                            << ort() << " from " << ab;
                        ASSERT_EQ(hohesByteFinden(bytes, ab), einzeln::hohesByteFinden(bytes, ab))
                            << ort() << " from " << ab;
                    }
                    for (const int hoechstens : {1, 2, 11}) {
                        std::array<qsizetype, 11> vektor{};
                        std::array<qsizetype, 11> skalar{};
                        ASSERT_EQ(stellenSuchen(text, z, u';', vektor.data(), hoechstens),
                                  einzeln::stellenSuchen(text, z, u';', skalar.data(), hoechstens))
                            << ort();
                        ASSERT_EQ(vektor, skalar) << ort();
                    }
                }
            }
        }
    }
}

// Lines asked for one after another, a character where a stretch of the
// search ahead ends or begins, in the first and the last line, in lines alone
// and two together, and lines that are never asked for.
TEST(ZeichensucheTest, SearchAheadFindsWhatASearchOfEachLineFinds) {
    constexpr qsizetype S = Voraussuche::Strecke;
    const qsizetype laenge = 3 * S + 5;
    std::vector<qsizetype> stellen = {0, laenge - 1};
    for (const qsizetype rand : {S, 2 * S, 3 * S}) {
        for (qsizetype d = -2; d <= 2; ++d) {
            stellen.push_back(rand + d);
        }
    }
    for (const qsizetype zeile : {qsizetype{7}, qsizetype{50}, qsizetype{4097}, S + 3}) {
        for (const qsizetype stelle : stellen) {
            for (const qsizetype zweite : {qsizetype{-1}, stelle + 1, stelle + 2 * S}) {
                SCOPED_TRACE(std::to_string(zeile) + " " + std::to_string(stelle) + " " +
                             std::to_string(zweite));
                QString text(laenge, u'a');
                text[stelle] = u'|';
                if (zweite >= 0 && zweite < laenge) {
                    text[zweite] = u':';
                }
                Voraussuche suche(text, u';');
                for (qsizetype von = 0; von < laenge; von += zeile) {
                    const qsizetype bis = std::min(laenge, von + zeile - 1);  // one more ends it
                    if ((von / zeile) % 5 == 3) {
                        continue;  // a line without a separator
                    }
                    const QStringView stueck = QStringView(text).sliced(von, bis - von);
                    ASSERT_EQ(suche.enthaelt(von, bis),
                              stueck.contains(u'|') || stueck.contains(u':'))
                        << von;
                }
            }
        }
    }
}

TEST(FormatDatumDSTest, SixDigitsAndTheErrorOfAnInvalidDate) {
    for (const auto& [datum, erwartet] : {std::pair{QDate(2007, 3, 5), "070305"},
                                          {QDate(2000, 1, 1), "000101"},
                                          {QDate(12345, 11, 30), "451130"},
                                          {QDate(-5, 1, 2), "-50102"}}) {
        EXPECT_EQ(FormatDatumDS(datum), erwartet);
    }
    try {
        FormatDatumDS(QDate());
        ADD_FAILURE() << "an invalid date was formatted";
    } catch (const Laufzeitfehler& fehler) {
        EXPECT_EQ(fehler.nummer, 13);
        EXPECT_EQ(fehler.ort, "modMitarbeiterImport - FormatDatumDS");
    }
}

// Ordinary files only, without regard to letter case, in the planner's order;
// whatever the machine calls hidden or system is left out.
TEST(AuflistungTest, PlannersOrderAndAttributes) {
    test::Fall f;
    for (const char* name : {"b.dat", "_x.dat", "A.DAT", ".versteckt.dat", "system.dat", "c.log"}) {
        f.baum.dateiAnlegen(name);
    }
    f.baum.unterordnerAnlegen("ordner.dat");
#ifdef _WIN32
    // The attributes themselves, as Explorer sets them: a dot hides nothing there.
    for (const auto& [name, attribut] : {std::pair{".versteckt.dat", FILE_ATTRIBUTE_HIDDEN},
                                         {"system.dat", FILE_ATTRIBUTE_SYSTEM}}) {
        ASSERT_TRUE(SetFileAttributesW(qUtf16Printable(f.baum.pfad(name)), attribut));
    }
#else
    f.u.plattform.verborgen = {"system.dat"};
#endif
    const Plattform& p = f.u.plattform;
    EXPECT_EQ(dateienAuflisten(p, f.baum.wurzel(), "*.dat"),
              (QStringList{"A.DAT", "b.dat", "_x.dat"}));
    EXPECT_EQ(dateienAuflisten(p, f.baum.pfad("fehlt"), "*.dat"), std::nullopt);
    EXPECT_EQ(dateiFinden(p, f.baum.wurzel(), "C.LOG"), f.baum.pfad("c.log"));
    EXPECT_EQ(dateiFinden(p, f.baum.wurzel(), "system.dat"), std::nullopt);
    EXPECT_TRUE(Ordner_vorhanden(p, f.baum.pfad("ordner.dat") + QDir::separator()));
    EXPECT_FALSE(Ordner_vorhanden(p, f.baum.pfad("b.dat")));
    EXPECT_FALSE(Ordner_vorhanden(p, ""));
}

TEST(AuflistungTest, ExactSpellingWinsWhereTheFileSystemHoldsTwo) {
    Dateibaum baum;
    baum.dateiAnlegen("KONFIGDATEN.DAT");
    baum.dateiAnlegen("Konfigdaten.dat");
    if (QDir(baum.wurzel()).entryList(QDir::Files).size() < 2) {
        GTEST_SKIP() << "this file system does not tell letter case apart";
    }
    test::PlattformFake p;
    EXPECT_EQ(dateiFinden(p, baum.wurzel(), "Konfigdaten.dat"), baum.pfad("Konfigdaten.dat"));
    EXPECT_EQ(dateiFinden(p, baum.wurzel(), "konfigdaten.DAT"), baum.pfad("KONFIGDATEN.DAT"));
}

TEST(DateikanalTest, OutputReplacesTheTargetAtTheCloseKeepingItsRights) {
    Dateibaum baum;
    Dateikanal kanal;
    const QString pfad = baum.dateiAnlegen("a.dat", "alt\r\n");
    const auto rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(pfad, rechte);
    kanal.oeffnen(pfad, Kanalmodus::Output);
    kanal.zeileSchreiben("neu");
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    // Wherever the temporary file shows, no listing takes it for planner data.
    EXPECT_EQ(dateienAuflisten(test::PlattformFake(), baum.wurzel(), "*.dat"),
              QStringList{"a.dat"});
    kanal.schliessen();
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("neu\r\n"));
#ifndef _WIN32
    // Windows keeps access in access lists; Qt's permissions show only the
    // read-only attribute there, for owner, group and others alike.
    EXPECT_EQ(QFile::permissions(pfad) & ~(QFile::ReadUser | QFile::WriteUser), rechte);
#endif
}

TEST(DateikanalTest, AppendAddsToAFileOrCreatesIt) {
    Dateibaum baum;
    Dateikanal kanal;
    baum.dateiAnlegen("a.dat", "alt\r\n");
    for (const char* ziel : {"a.dat", "neu.log"}) {
        kanal.oeffnen(baum.pfad(ziel), Kanalmodus::Append);
        kanal.zeileSchreiben("dazu");
        kanal.schliessen();
    }
    EXPECT_EQ(Dateibaum::lesen(baum.pfad("a.dat")), QByteArray("alt\r\ndazu\r\n"));
    EXPECT_EQ(Dateibaum::lesen(baum.pfad("neu.log")), QByteArray("dazu\r\n"));
}

// A line ends at CR LF or a lone CR, never at a lone LF.
TEST(DateikanalTest, InputSplitsLinesAtCrLfOrCr) {
    Dateibaum baum;
    Dateikanal kanal;
    kanal.oeffnen(baum.dateiAnlegen("b", "1\r\n2\r3\n4\n\r\n"), Kanalmodus::Input);
    QList<QByteArray> zeilen;
    while (!kanal.dateiende()) {
        zeilen.append(kanal.zeileLesen());
    }
    kanal.schliessen();
    kanal.schliessen();  // twice is harmless
    EXPECT_EQ(zeilen, (QList<QByteArray>{"1", "2", "3\n4\n"}));
}

// A disk that fills part-way takes what fits without an error; only the write
// of the rest tells the cause, which on Windows only the system knows. Needs a
// small file system of its own: mounted here on Linux; for a Windows build
// under Wine, mounted by the script that runs it and named in MI_KLEINER_ORDNER.
TEST(DateikanalTest, DiskFillingPartWayIsDiskFullAndTheTargetStays) {
#ifdef Q_OS_LINUX
    Dateibaum baum;
    const QString klein = baum.unterordnerAnlegen("klein");
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", klein}) != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    struct Einhaengung {
        QString ordner;
        ~Einhaengung() { QProcess::execute("umount", {ordner}); }
    } einhaengung{klein};
#else
    const QString klein = qEnvironmentVariable("MI_KLEINER_ORDNER");
    if (klein.isEmpty()) {
        GTEST_SKIP() << "no small file system named in MI_KLEINER_ORDNER";
    }
#endif
    const QString pfad = QDir(klein).filePath("Mitarbeiterdaten.dat");
    QFile alt(pfad);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write("alt\r\n") == 5);
    alt.close();
    Dateikanal kanal;
    kanal.oeffnen(pfad, Kanalmodus::Output);
    try {
        for (int i = 0; i < 2000; ++i) {
            kanal.zeileSchreiben(QByteArray(98, 'x'));
        }
        kanal.schliessen();
        ADD_FAILURE() << "200 kB fitted into 64 kB";
    } catch (const Laufzeitfehler& fehler) {
        EXPECT_EQ(fehler.nummer, 61);
    }
    EXPECT_FALSE(kanal.offen());
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(klein).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Mitarbeiterdaten.dat"});
}

#ifdef _WIN32
// Each drive keeps a current folder of its own; entering a folder changes the
// current drive to the folder's first.
TEST(SystemplattformTest, EnteringAFolderOnAnotherDriveMakesItsDriveCurrent) {
    Dateibaum baum;
    const QString ziel = baum.unterordnerAnlegen("Backups");
    const QString anderes = ziel.startsWith(u'Z') ? "C:/" : "Z:/";
    const QString vorher = QDir::currentPath();
    if (!QDir::setCurrent(anderes)) {
        GTEST_SKIP() << "no second drive to start from";
    }
    Systemplattform system;
    EXPECT_TRUE(system.verzeichnisBetreten(ziel));
    EXPECT_EQ(QDir::toNativeSeparators(QDir::currentPath() + '/'), ziel);
    EXPECT_EQ(_getdrive(), ziel.front().unicode() - u'A' + 1);
    QDir::setCurrent(vorher);  // Windows removes no current folder
}
#endif

}  // namespace
}  // namespace mi
