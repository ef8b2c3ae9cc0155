#include "Pruefhilfen.h"
#include "datastore/Dateizugriff.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

TEST(DateiOeffnenTest, FalseWhenIgnoredElseTheMessageOfTheMode) {
    const std::tuple<Sprache, Kanalmodus, const char*> faelle[] = {
        {Sprache::EN, Kanalmodus::Input,
         "Couldn't open file '%1'.\r\rYou probably don't have sufficient access rights to this "
         "folder or the file doesn't exist.\r\rProgram will be closed."},
        {Sprache::DE, Kanalmodus::Output,
         "Die Datei '%1' konnte nicht geöffnet werden.\r\rMöglicherweise haben Sie keine "
         "ausreichenden Zugriffsrechte für diesen Ordner, ist die Datei schreibgeschützt oder die "
         "Datei ist nicht vorhanden.\r\rDas Programm wird beendet."},
        {Sprache::FR, Kanalmodus::Append,
         "Impossible d'ouvrir le fichier « %1 ».\r\rVous n'avez probablement pas de droits "
         "d'accès suffisants pour ce dossier, le fichier est protégé en écriture ou le fichier "
         "n'existe pas.\r\rLe programme va être fermé."},
    };
    for (const auto& [sprache, modus, erwartet] : faelle) {
        test::Fall f(sprache);
        const QString pfad = f.baum.pfad("fehlt/a.dat");
        EXPECT_FALSE(Datei_oeffnen(f.dienste, pfad, modus, Fehlerfolge::Ignorieren));
        // A file left open is closed by the failing open.
        ASSERT_TRUE(Datei_oeffnen(f.dienste, f.baum.dateiAnlegen("offen.dat"), Kanalmodus::Input));
        EXPECT_EQ(f.endeErwarten([&, modus = modus] { Datei_oeffnen(f.dienste, pfad, modus); }),
                  QString(erwartet).arg(pfad));
    }
}

// Reported by the line writer before the close: a line too long for the 16-bit
// counter (6), a full disk (61). The old target stays and no temporary file is left.
TEST(LineOutTest, FailedWriteIsReportedAsLineOut) {
    test::Fall f;
    const QString pfad = f.baum.dateiAnlegen("M.dat", "alt\r\n");
    ASSERT_TRUE(Datei_oeffnen(f.dienste, pfad, Kanalmodus::Output));
    EXPECT_EQ(f.endeErwarten([&] { LineOut(f.dienste, QString(32768, u'x')); }),
              test::berichtBilden("modMitarbeiterImport - LineOut", 6));
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files | QDir::Hidden), QStringList{"M.dat"});
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    if (QFileInfo::exists("/dev/full")) {
        ASSERT_TRUE(Datei_oeffnen(f.dienste, "/dev/full", Kanalmodus::Append));
        EXPECT_EQ(f.endeErwarten([&] { LineOut(f.dienste, "x"); }),
                  test::berichtBilden("modMitarbeiterImport - LineOut", 61));
    }
}

// A save file whose flush to the disk answers as told, counting the times it
// was asked.
class Flushgeraet : public Speicherdatei {
  public:
    Flushgeraet(const QString& pfad, std::int32_t antwort, int& gefragt)
        : Speicherdatei(pfad), antwort_(antwort), gefragt_(gefragt) {}

  protected:
    std::int32_t aufDatentraegerBringen() override {
        ++gefragt_;
        return antwort_ == 0 ? Speicherdatei::aufDatentraegerBringen() : antwort_;
    }

  private:
    std::int32_t antwort_;
    int& gefragt_;
};

// The flush comes before the target is replaced; a failed one is reported as
// a line that cannot be written, with its cause, and leaves the old file.
TEST(DateiSchliessenTest, FailedFlushKeepsTheTargetAndNamesItsCause) {
    for (const std::int32_t antwort : {0, 61, 75}) {
        SCOPED_TRACE(antwort);
        test::Fall f;
        const QString pfad = f.baum.dateiAnlegen("M.dat", "alt\r\n");
        int gefragt = 0;
        f.dienste.kanal.geraetefabrikSetzen([&](const QString& p, Kanalmodus) {
            return std::make_unique<Flushgeraet>(p, antwort, gefragt);
        });
        ASSERT_TRUE(Datei_oeffnen(f.dienste, pfad, Kanalmodus::Output));
        f.dienste.kanal.zeileSchreiben("neu");
        if (antwort == 0) {
            Datei_schliessen(f.dienste);
        } else {
            EXPECT_EQ(f.endeErwarten([&] { Datei_schliessen(f.dienste); }),
                      test::berichtBilden("modMitarbeiterImport - LineOut", antwort));
        }
        EXPECT_EQ(gefragt, 1);
        EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray(antwort == 0 ? "neu\r\n" : "alt\r\n"));
        EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"M.dat"});
    }
}

}  // namespace
}  // namespace mi
