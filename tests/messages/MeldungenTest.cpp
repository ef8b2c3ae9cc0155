#include "Pruefhilfen.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>
#include <functional>
#include <new>
#include <stdexcept>

namespace mi {
namespace {

TEST(FehlerberichtTest, LayoutByteForByte) {
    const std::tuple<Sprache, std::int32_t, const char*> faelle[] = {
        {Sprache::DE, 53,
         "Es ist folgender Fehler aufgetreten in Modul 'modX - P':\r\rFehler Nr. 53\rD\r\r"
         "Das Programm wird beendet."},
        {Sprache::EN, -2147217900,
         "The following error occurred in module 'modX - P':\r\rError Nr. -2147217900\rD\r\r"
         "Program will be closed."},
        {Sprache::FR, 53,
         "L'erreur suivante est survenue au module « modX - P » :\r\rErreur N° 53\rD\r\r"
         "Le programme va être fermé."}};
    for (const auto& [sprache, nummer, erwartet] : faelle) {
        EXPECT_EQ(fehlerberichtstextBilden(texteWaehlen(sprache), "modX - P", nummer, "D"),
                  erwartet);
    }
}

TEST(MeldungTest, QuestionDefaultsToNoWithoutABeep) {
    test::Umgebung u(Sprache::FR);
    u.dialoge.boxErwarten(Antwort::Ja);
    EXPECT_TRUE(jaNeinFragen(u.dienste, "b"));
    const Meldungsbox& frage = u.dialoge.boxen.at(0);  // the fake allows no other
    EXPECT_EQ(frage.titel, "Import des Employés");
    EXPECT_EQ(frage.symbol, Symbol::Frage);
    EXPECT_EQ(frage.knoepfe, Boxknoepfe::JaNein);
    EXPECT_EQ(frage.standard, Antwort::Nein);
    EXPECT_EQ(u.protokoll, QStringList{"box"});
}

// A beep, then the warning; one full stop is added even after one.
TEST(MeldungTest, AbbruchmeldungWarnsWithOneMoreFullStopAndEnds) {
    test::Umgebung u(Sprache::FR);
    u.dialoge.boxErwarten(Antwort::OK);
    EXPECT_THROW(Abbruchmeldung(u.dienste, "Fin."), Programmende);
    const Meldungsbox& warnung = u.dialoge.boxen.at(0);  // the fake allows no other
    EXPECT_EQ(warnung.text, "Fin..\r\rLe programme va être fermé.");
    EXPECT_EQ(warnung.symbol, Symbol::Warnung);
    EXPECT_EQ(warnung.knoepfe, Boxknoepfe::OK);
    EXPECT_EQ(u.protokoll, (QStringList{"beep", "box"}));
}

// Two procedures with their error handlers as the program writes them, the
// inner one running rumpf.
void innenAusfuehren(Dienste& dienste, const std::function<void()>& rumpf) try {
    rumpf();
} catch (...) {
    fehlerBehandeln(dienste, "innen");
}

void aussenAusfuehren(Dienste& dienste, const std::function<void()>& rumpf) try {
    innenAusfuehren(dienste, rumpf);
} catch (...) {
    fehlerBehandeln(dienste, "aussen");
}

// The innermost handler reports; an error that names its own procedure is
// reported under that name wherever it is caught, and a standard exception as
// the defect it is.
TEST(FehlerbehandlungTest, InnerReportIsNotReportedAgainByTheCaller) {
    using Grund = Programmende::Grund;
    const std::tuple<std::function<void()>, const char*, std::int32_t, Grund> faelle[] = {
        {[] { fehlerAusloesen(fehlernummer::Ueberlauf); }, "innen", 6, Grund::Fehlerbericht},
        {[] { fehlerAusloesen(fehlernummer::Ueberlauf, "eigen"); }, "eigen", 6,
         Grund::Fehlerbericht},
        {[] { throw std::bad_alloc(); }, "innen", 7, Grund::Standardausnahme},
        {[] { throw std::out_of_range("defect"); }, "innen", 51, Grund::Standardausnahme}};
    for (const auto& [rumpf, ort, nummer, grund] : faelle) {
        test::Umgebung u;
        u.dialoge.boxErwarten(Antwort::OK);
        try {
            aussenAusfuehren(u.dienste, rumpf);
            ADD_FAILURE() << "the program did not end";
        } catch (const Programmende& ende) {
            EXPECT_EQ(ende.grund, grund) << ort << nummer;
        }
        EXPECT_EQ(u.dialoge.boxtexte(), QStringList{test::berichtBilden(ort, nummer)});
    }
}

}  // namespace
}  // namespace mi
