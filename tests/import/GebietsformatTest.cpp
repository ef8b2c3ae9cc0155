#include "QtDruck.h"
#include "import/Gebietsformat.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace mi {
namespace {

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

struct Zahlfall {
    QLocale locale;
    QString text;
    bool istZahl;
    QString formatiert;
};

void PrintTo(const Zahlfall& f, std::ostream* os) {
    *os << f.locale.name().toStdString() << ' ';
    PrintTo(f.text, os);
}

class ZahlTest : public ::testing::TestWithParam<Zahlfall> {};

TEST_P(ZahlTest, RecognisedAndFormattedAsADayValue) {
    const Zahlfall& fall = GetParam();
    EXPECT_EQ(Gebietsformat(fall.locale).tageswertLesen(fall.text).has_value(), fall.istZahl);
    EXPECT_EQ(Zahl_formatieren(fall.locale, fall.text), fall.formatiert);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, ZahlTest,
    ::testing::Values(Zahlfall{EN, "", false, "000.0"}, Zahlfall{EN, "5", true, "005.0"},
                      Zahlfall{EN, "12.34", true, "012.3"}, Zahlfall{EN, "-3.5", true, "-03.5"},
                      Zahlfall{EN, "1500", true, "999.0"}, Zahlfall{EN, "-150", true, "-99.0"},
                      Zahlfall{EN, "abc", false, "000.0"},
                      // a negative value that rounds to zero keeps the five characters
                      Zahlfall{EN, "-0.04", true, "000.0"}, Zahlfall{EN, "-0.05", true, "-00.1"},
                      // rounded half away from zero on the digits as written
                      Zahlfall{EN, " 2.45 ", true, "002.5"}, Zahlfall{EN, "0.35", true, "000.4"},
                      Zahlfall{EN, "0.45", true, "000.5"}, Zahlfall{EN, "1.05", true, "001.1"},
                      Zahlfall{EN, "0.0499", true, "000.0"}, Zahlfall{EN, "-2.95", true, "-03.0"},
                      Zahlfall{EN, "5.", true, "005.0"}, Zahlfall{EN, "+.5", true, "000.5"},
                      Zahlfall{EN, ".5", true, "000.5"}, Zahlfall{EN, "12.3", true, "012.3"},
                      Zahlfall{EN, "1.x", false, "000.0"}, Zahlfall{EN, "9.", true, "009.0"},
                      Zahlfall{EN, "-99.96", true, "-99.0"}, Zahlfall{EN, "1234.5", true, "999.5"},
                      Zahlfall{EN, "1,500", false, "000.0"}, Zahlfall{EN, "1e3", false, "000.0"},
                      Zahlfall{EN, "nan", false, "000.0"}, Zahlfall{EN, "inf", false, "000.0"},
                      Zahlfall{EN, "1" + QString(39, u'0'), false, "000.0"},
                      Zahlfall{EN, "1" + QString(38, u'0') + ".96", true, "999.0"},
                      Zahlfall{EN, "1.2.3", false, "000.0"}, Zahlfall{EN, "-", false, "000.0"},
                      Zahlfall{DE, "2,5", true, "002,5"}, Zahlfall{DE, "1.500", false, "000,0"},
                      Zahlfall{DE, "2.5", false, "000,0"}, Zahlfall{FR, "3,25", true, "003,3"},
                      Zahlfall{FR, "1 000", false, "000,0"}));

// The check writes each form of day value once and shares it: two values may
// share a form only when they are written alike, and every form has its room.
TEST(ZahlTest, ValuesShareAFormExactlyWhenWrittenAlike) {
    std::map<std::size_t, QString> formen;
    for (const bool negativ : {false, true}) {
        for (std::int64_t zehntel = 0; zehntel <= 10100; ++zehntel) {
            const Tageswert wert{negativ, zehntel == 10100 ? 123456789 : zehntel};
            QChar zeichen[Gebietsformat::Tageswertlaenge];
            Gebietsformat::tageswertSchreiben(wert, u',', zeichen);
            const QString text(zeichen, Gebietsformat::Tageswertlaenge);
            const std::size_t form = Gebietsformat::formnummerBerechnen(wert);
            ASSERT_LT(form, Gebietsformat::Tageswertformen);
            const auto eintrag = formen.emplace(form, text).first;
            ASSERT_EQ(eintrag->second, text) << form;
        }
    }
    std::set<QString> texte;
    for (const auto& [form, text] : formen) {
        texte.insert(text);
    }
    EXPECT_EQ(texte.size(), formen.size());
}

struct Datumsfall {
    QLocale locale;
    QString text;
    QDate erwartet;           // invalid: no date
    QString kurzformat = {};  // the user's own short date; empty: the locale's
};

void PrintTo(const Datumsfall& f, std::ostream* os) {
    *os << f.locale.name().toStdString() << ' ' << f.kurzformat.toStdString() << ' ';
    PrintTo(f.text, os);
}

class DatumTest : public ::testing::TestWithParam<Datumsfall> {};

TEST_P(DatumTest, ShortFormatVariantsAndIso) {
    const Datumsfall& fall = GetParam();
    const Gebietsformat format = fall.kurzformat.isEmpty()
                                     ? Gebietsformat(fall.locale)
                                     : Gebietsformat(fall.locale, fall.kurzformat);
    EXPECT_EQ(format.datumLesen(fall.text).value_or(QDate()), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, DatumTest,
    ::testing::Values(
        Datumsfall{DE, "15.03.1999", QDate(1999, 3, 15)},
        Datumsfall{DE, "1.3.24", QDate(2024, 3, 1)}, Datumsfall{DE, "01.03.30", QDate(1930, 3, 1)},
        Datumsfall{DE, "1.1.29", QDate(2029, 1, 1)},
        Datumsfall{DE, " 2024-03-15 ", QDate(2024, 3, 15)}, Datumsfall{DE, "31.02.2024", QDate()},
        Datumsfall{DE, "15/03/1999", QDate()}, Datumsfall{DE, "15.03.199", QDate()},
        Datumsfall{DE, "15.03.1999x", QDate()}, Datumsfall{DE, "", QDate()},
        Datumsfall{EN, "3/15/1999", QDate(1999, 3, 15)},
        Datumsfall{EN, "03/15/24", QDate(2024, 3, 15)}, Datumsfall{EN, "15/03/1999", QDate()},
        Datumsfall{EN, "2024-3-15", QDate()}, Datumsfall{FR, "15/03/1999", QDate(1999, 3, 15)},
        Datumsfall{FR, "5/3/99", QDate(1999, 3, 5)},
        Datumsfall{FR, "2000-02-29", QDate(2000, 2, 29)}, Datumsfall{FR, "15.03.1999", QDate()},
        Datumsfall{QLocale(QLocale::Hungarian), "2024. 3. 15.", QDate(2024, 3, 15)},
        // Short dates that name the month, as a Windows user may set them: the
        // locale's names and the English ones, short or long, any letter case,
        // two-digit years in the same window as above.
        Datumsfall{EN, "01-Mar-24", QDate(2024, 3, 1), "dd-MMM-yy"},
        Datumsfall{EN, "1-MARCH-30", QDate(1930, 3, 1), "dd-MMM-yy"},
        Datumsfall{EN, "29-feb-29", QDate(), "dd-MMM-yy"},
        Datumsfall{EN, "01-03-24", QDate(), "dd-MMM-yy"},
        Datumsfall{EN, "01-Marc-24", QDate(), "dd-MMM-yy"},
        Datumsfall{DE, "15-Juni-24", QDate(2024, 6, 15), "dd-MMM-yy"},
        Datumsfall{DE, "15-Jun-24", QDate(2024, 6, 15), "dd-MMM-yy"},
        Datumsfall{DE, "1-Sept.-29", QDate(2029, 9, 1), "dd-MMM-yy"},
        Datumsfall{DE, "01-Mär-99", QDate(1999, 3, 1), "dd-MMM-yy"},
        Datumsfall{DE, "01-Oct-24", QDate(2024, 10, 1), "dd-MMM-yy"},
        Datumsfall{FR, "1 févr. 2024", QDate(2024, 2, 1), "d MMMM yyyy"},
        Datumsfall{FR, "1 Février 2024", QDate(2024, 2, 1), "d MMMM yyyy"},
        Datumsfall{QLocale::c(), "5 Mar 2024", QDate(2024, 3, 5), {}},
        // Left to the locale's parser, but in the same window.
        Datumsfall{EN, "010324", QDate(2024, 3, 1), "ddMMyy"}));

}  // namespace
}  // namespace mi
