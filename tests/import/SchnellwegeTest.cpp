#include "QtDruck.h"
#include "import/Schnellwege.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

// Every text of up to length characters drawn from the alphabet.
QStringList alleTexte(QStringView alphabet, int laenge) {
    QStringList texte = {QString()};
    for (qsizetype von = 0; laenge-- > 0;) {
        const qsizetype bis = texte.size();
        for (; von < bis; ++von) {
            for (const QChar c : alphabet) {
                texte.append(texte[von] + c);
            }
        }
    }
    return texte;
}

QString alsText(const std::optional<Tageswert>& wert) {
    return !wert ? QStringLiteral("no number")
                 : (wert->negativ ? QStringLiteral("-") : QString()) +
                       QString::number(wert->zehntel) + QStringLiteral(" tenths");
}

// Every text of up to five characters of digits, both decimal separators, a
// sign, a letter and a blank: where the short path reads a number, the
// general reader reads the same; and the short path reads every one that is
// digits, with perhaps the separator before the last.
TEST(SchnellwegeTest, ShortNumbersReadAsTheGeneralReaderReadsThem) {
    const QStringList texte = alleTexte(u"07.,-+a ", 5);
    for (const QChar dezimal : {QChar(u'.'), QChar(u',')}) {
        int kurz = 0;
        for (const QString& text : texte) {
            const auto schnell =
                kurzeZahl(QStringView(text).utf16(), text.size(), dezimal.unicode());
            if (schnell) {
                ++kurz;
                ASSERT_EQ(alsText(schnell), alsText(zahlLesen(text, dezimal, u'-', u'+')))
                    << text.toStdString() << " with " << char(dezimal.unicode());
            }
        }
        // The 62 runs of one to five digits, and the 30 of up to three digits
        // with the separator and one more digit.
        EXPECT_EQ(kurz, 62 + 30);
    }
}

}  // namespace
}  // namespace mi
