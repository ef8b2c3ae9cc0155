#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Konfigdaten.h"

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

QStringList konfig(const QStringList& admins, const QString& einstellungen = "000000000000000") {
    return QStringList{"[Velmont]",   "2", "3",  "[Firma]",          "F", "6", "[Settings]",
                       einstellungen, "9", "10", "[Administratoren]"} +
           admins;
}

struct Konfigfall {
    Umgebung u;
    Dateibaum baum;
    QString pfad;
    explicit Konfigfall(const QStringList& zeilen, const QString& name = "Konfigdaten.dat") {
        u.lz->Benutzername = "Meier";
        u.lz->Datenpfad = baum.wurzel();
        pfad = baum.planerdatei(name, zeilen);
    }
};

TEST(KonfigdatenTest, AdministratorRule) {
    const QString aus = QStringLiteral("000000000000000");
    const struct {
        QStringList admins;
        QString einstellungen;
        int adminstatus;
    } faelle[] = {
        {{"NoAdmins"}, aus, 2},
        {{}, aus, 2},
        {{"A1:2:Schulz", "Ax:Huber"}, aus, 0},
        {{"A1:2:Schulz", "Axy:mEIER"}, aus, 2},
        {{"Ax: Meier"}, aus, 0},
        {{"ax:Meier"}, aus, 2},  // neither matches nor counts
        {{"ax:Meier", "Ax:Huber"}, aus, 0},
        {{"Ax:Huber"}, aus + "1", 2},
        {{"Ax:Huber"}, "000000000000001", 0},  // shorter than 16 characters
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.admins.join('|').toStdString() + " " + f.einstellungen.toStdString());
        Konfigfall fall(konfig(f.admins, f.einstellungen));
        Konfigdaten_lesen(*fall.u.lz);
        EXPECT_EQ(fall.u.lz->Adminstatus, f.adminstatus);
        EXPECT_EQ(fall.u.lz->Einstellungen, f.einstellungen);
    }
}

TEST(KonfigdatenTest, EachHeaderInAnotherCaseEndsWithItsMessage) {
    const std::pair<int, QString> faelle[] = {
        {0, "Header of file 'Konfigdaten.dat' not detected"},
        {3, "Header [Firma] in 'Konfigdaten.dat' not detected"},
        {6, "Header [Settings] in 'Konfigdaten.dat' not detected"},
        {10, "Header [Administratoren] in 'Konfigdaten.dat' not detected"},
        {-1, "Header [Administratoren] in 'Konfigdaten.dat' not detected"},  // missing
    };
    for (const auto& [zeile, meldung] : faelle) {
        QStringList zeilen = konfig({"Ax:Meier"});
        if (zeile < 0) {
            zeilen = zeilen.mid(0, 10);
        } else {
            zeilen[zeile] = zeilen[zeile].toLower();
        }
        Konfigfall f(zeilen);
        EXPECT_EQ(test::endetMit(f.u, [&] { Konfigdaten_lesen(*f.u.lz); }),
                  abbruchText(f.u.lz->texte, meldung));
    }
}

TEST(KonfigdatenTest, HiddenFileIsMissing) {
    Konfigfall f(konfig({}), ".Konfigdaten.dat");
    EXPECT_EQ(
        test::endetMit(f.u, [&] { Konfigdaten_lesen(*f.u.lz); }),
        abbruchText(f.u.lz->texte, "File '" + f.baum.wurzel() + "Konfigdaten.dat' not found"));
}

TEST(KonfigdatenTest, FileInAnotherCaseIsRewrittenUnderItsOwnName) {
    Konfigfall f(konfig({"[Settings]", "alt", "[Settings]"}), "KONFIGDATEN.DAT");
    Konfigdaten_lesen(*f.u.lz);
    f.u.lz->Einstellungen = "neu";
    Konfigdaten_schreiben(*f.u.lz);
    // Every "[Settings]" is followed by the settings line in place of the line
    // after it; after the last line it is added.
    EXPECT_EQ(Dateibaum::planerzeilen(f.pfad),
              (QStringList{"[Velmont]", "2", "3", "[Firma]", "F", "6", "[Settings]", "neu", "9",
                           "10", "[Administratoren]", "[Settings]", "neu", "[Settings]", "neu"}));
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files), QStringList{"KONFIGDATEN.DAT"});
}

TEST(KonfigdatenTest, WriterLeavesAFileOfMoreThan32767LinesUnchanged) {
    QStringList zeilen(32768, "[Settings]");
    Konfigfall f(zeilen);
    const QByteArray vorher = Dateibaum::lesen(f.pfad);
    Konfigdaten_schreiben(*f.u.lz);
    EXPECT_EQ(Dateibaum::lesen(f.pfad), vorher);
    EXPECT_FALSE(f.u.lz->kanal.offen());
    f.baum.planerdatei("Konfigdaten.dat", zeilen.mid(1));
    Konfigdaten_schreiben(*f.u.lz);
    EXPECT_NE(Dateibaum::lesen(f.pfad), vorher);
}

TEST(KonfigdatenTest, WriterDoesNotSwallowAFailedSave) {
    Konfigfall f(konfig({}));
    const QByteArray vorher = Dateibaum::lesen(f.pfad);
    test::bruchEinsetzen(*f.u.lz, Kanalmodus::Output, 10);
    EXPECT_EQ(test::endetMit(f.u, [&] { Konfigdaten_schreiben(*f.u.lz); }),
              test::bericht("modMitarbeiterImport - LineOut", 75));
    EXPECT_EQ(Dateibaum::lesen(f.pfad), vorher);
}

}  // namespace
}  // namespace mi
