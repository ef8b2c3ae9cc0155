#include "QtDruck.h"
#include "import/Schnellwege.h"

#include <gtest/gtest.h>
#include <array>

namespace mi {
namespace {

QString tageswertZeigen(const std::optional<Tageswert>& wert) {
    return !wert ? QStringLiteral("no number")
                 : (wert->negativ ? QStringLiteral("-") : QString()) +
                       QString::number(wert->zehntel) + QStringLiteral(" tenths");
}

// Every text of up to five characters of digits, both decimal separators, a
// sign, a letter and a blank: where the short path reads a number, the
// general reader reads the same; and the short path reads every one that is
// digits, with perhaps the separator before the last.
TEST(SchnellwegeTest, ShortNumbersReadAsTheGeneralReaderReadsThem) {
    QStringList texte = {QString()};  // shortest first
    for (qsizetype i = 0; texte[i].size() < 5; ++i) {
        for (const QChar c : QStringView(u"07.,-+a ")) {
            texte.append(texte[i] + c);
        }
    }
    for (const QChar dezimal : {QChar(u'.'), QChar(u',')}) {
        int kurz = 0;
        for (const QString& text : texte) {
            const auto schnell =
                kurzeZahlLesen(QStringView(text).utf16(), text.size(), dezimal.unicode());
            if (schnell) {
                ++kurz;
                ASSERT_EQ(tageswertZeigen(schnell),
                          tageswertZeigen(zahlLesen(text, dezimal, u'-', u'+')))
                    << text.toStdString() << " with " << char(dezimal.unicode());
            }
        }
        // The 62 runs of one to five digits, and the 30 of up to three digits
        // with the separator and one more digit.
        EXPECT_EQ(kurz, 62 + 30);
    }
}

std::array<QStringView, 10> felderSammeln(const ImportZeile& z) {
    return std::to_array({z.Name, z.Benutzerkennung, z.VonDatum, z.BisDatum, z.Resturlaub,
                          z.Urlaubsanspruch1, z.Urlaubsanspruch2, z.Urlaubsanspruch3,
                          z.Urlaubsanspruch4, z.Sonderurlaub});
}

// Lines of up to forty characters, plain and with a separator every fourth
// character (so from one to more than ten columns), with two more characters
// put in at every two positions: separators, quotes (quoted fields, doubled
// quotes, quotes that close nothing) and the mark of a text row. Wherever the
// quote-free split decides, it splits as the general reader does, and it
// decides every line without a quote.
TEST(SchnellwegeTest, QuoteFreeSplitSplitsAsTheGeneralReader) {
    const QChar sep = u';';
    const QString einsatz = QStringLiteral(";\">");
    for (const int abstand : {0, 4}) {
        for (qsizetype laenge = 1; laenge <= 40; ++laenge) {
            QString grund(laenge, u'a');
            for (qsizetype i = abstand - 1; abstand > 0 && i < laenge; i += abstand) {
                grund[i] = sep;
            }
            for (qsizetype p = 0; p < laenge; ++p) {
                for (qsizetype q = p; q < laenge; ++q) {
                    for (qsizetype k = 0; k < einsatz.size() * einsatz.size(); ++k) {
                        QString zeile = grund;
                        zeile[p] = einsatz[k / einsatz.size()];
                        zeile[q] = einsatz[k % einsatz.size()];
                        ImportZeile schnell;
                        ImportZeile allgemein;
                        std::vector<QString> eigene;
                        const auto passt = ohneAnfuehrungTeilen(schnell, zeile, sep);
                        const bool passtAllgemein = felderTeilen(allgemein, zeile, sep, eigene);
                        ASSERT_TRUE(passt || zeile.contains(u'"')) << zeile.toStdString();
                        if (passt) {
                            ASSERT_EQ(*passt, passtAllgemein) << zeile.toStdString();
                            ASSERT_EQ(felderSammeln(schnell), felderSammeln(allgemein))
                                << zeile.toStdString();
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace mi
