#include "Hilfen.h"
#include "datastore/Konfigdaten.h"

namespace mi {
namespace {

using test::Dateibaum;

QStringList konfig(const QStringList& admins, const QString& einstellungen = "000000000000000") {
    return QStringList{"[Velmont]",   "2", "3",  "[Firma]",          "F", "6", "[Settings]",
                       einstellungen, "9", "10", "[Administratoren]"} +
           admins;
}

struct Konfigfall : test::Fall {
    explicit Konfigfall(const QStringList& zeilen, const QString& name = "Konfigdaten.dat") {
        lz.Benutzername = "Meier";
        lz.Datenpfad = baum.wurzel();
        pfad = baum.planerdatei(name, zeilen);
    }
    QString pfad;
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
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.admins.join('|').toStdString() + " " + fall.einstellungen.toStdString());
        Konfigfall f(konfig(fall.admins, fall.einstellungen));
        Konfigdaten_lesen(f.lz);
        EXPECT_EQ(f.lz.Adminstatus, fall.adminstatus);
        EXPECT_EQ(f.lz.Einstellungen, fall.einstellungen);
    }
}

TEST(KonfigdatenTest, EachHeaderInAnotherCaseOrAHiddenFileEndsWithItsMessage) {
    const std::pair<int, QString> faelle[] = {
        {0, "Header of file 'Konfigdaten.dat' not detected"},
        {3, "Header [Firma] in 'Konfigdaten.dat' not detected"},
        {6, "Header [Settings] in 'Konfigdaten.dat' not detected"},
        {10, "Header [Administratoren] in 'Konfigdaten.dat' not detected"},
        {-1, "Header [Administratoren] in 'Konfigdaten.dat' not detected"},  // missing
        {-2, "File '%1Konfigdaten.dat' not found"},
    };
    for (const auto& [zeile, meldung] : faelle) {
        QStringList zeilen = konfig({"Ax:Meier"});
        if (zeile == -1) {
            zeilen = zeilen.mid(0, 10);
        } else if (zeile >= 0) {
            zeilen[zeile] = zeilen[zeile].toLower();
        }
        Konfigfall f(zeilen, zeile == -2 ? ".Konfigdaten.dat" : "Konfigdaten.dat");
        EXPECT_EQ(f.endet([&] { Konfigdaten_lesen(f.lz); }),
                  abbruchText(f.lz.texte, meldung.arg(f.baum.wurzel())));
    }
}

TEST(KonfigdatenTest, FileInAnotherCaseIsRewrittenUnderItsOwnName) {
    Konfigfall f(konfig({"[Settings]", "alt", "[Settings]"}), "KONFIGDATEN.DAT");
    f.lz.Einstellungen = "neu";
    Konfigdaten_schreiben(f.lz);
    // Every "[Settings]" is followed by the settings line in place of the line
    // after it; after the last line it is added.
    EXPECT_EQ(Dateibaum::planerzeilen(f.pfad),
              konfig({"[Settings]", "neu", "[Settings]", "neu"}, "neu"));
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files), QStringList{"KONFIGDATEN.DAT"});
}

TEST(KonfigdatenTest, WriterLeavesAFileOfMoreThan32767LinesUnchanged) {
    const QStringList zeilen(32768, "[Settings]");
    Konfigfall f(zeilen);
    const QByteArray vorher = Dateibaum::lesen(f.pfad);
    Konfigdaten_schreiben(f.lz);
    EXPECT_EQ(Dateibaum::lesen(f.pfad), vorher);
    EXPECT_FALSE(f.lz.kanal.offen());
    f.baum.planerdatei("Konfigdaten.dat", zeilen.mid(1));
    Konfigdaten_schreiben(f.lz);
    EXPECT_NE(Dateibaum::lesen(f.pfad), vorher);
}

TEST(KonfigdatenTest, WriterDoesNotSwallowAFailedSave) {
    Konfigfall f(konfig({}));
    const QByteArray vorher = Dateibaum::lesen(f.pfad);
    test::bruchEinsetzen(f.lz, Kanalmodus::Output, 10);
    EXPECT_EQ(f.endet([&] { Konfigdaten_schreiben(f.lz); }),
              test::bericht("modMitarbeiterImport - LineOut", 75));
    EXPECT_EQ(Dateibaum::lesen(f.pfad), vorher);
}

}  // namespace
}  // namespace mi
