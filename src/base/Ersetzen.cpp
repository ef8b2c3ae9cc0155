#include "base/Ersetzen.h"

#include <algorithm>

namespace mi {

namespace {

// After a replacement at q the search resumes at q + 1, moved on by the growth
// of the text when the replacement is longer.
qsizetype suchstelleBerechnen(qsizetype q, const QString& suche, const QString& ersatz) {
    return q + 1 + std::max<qsizetype>(0, ersatz.size() - suche.size());
}

}  // namespace

QString Ersetzen(const QString& text, const QString& suche, const QString& ersatz) {
    if (suche.isEmpty()) {
        return text;
    }
    if (ersatz.isEmpty() || (ersatz.size() > 1 && suche.size() > 1)) {
        // The search may resume inside the replacement, or skip the character
        // that moved into the gap of an empty one: follow the rule literally.
        QString ergebnis = text;
        for (qsizetype q = ergebnis.indexOf(suche); q >= 0;
             q = ergebnis.indexOf(suche, suchstelleBerechnen(q, suche, ersatz))) {
            ergebnis.replace(q, suche.size(), ersatz);
        }
        return ergebnis;
    }
    // With a one-character search or a one-character replacement the search
    // resumes right after the replacement: a single scan of the original text.
    QString ergebnis;
    ergebnis.reserve(text.size());
    qsizetype von = 0;
    for (qsizetype q = text.indexOf(suche); q >= 0; q = text.indexOf(suche, von)) {
        ergebnis.append(QStringView(text).sliced(von, q - von)).append(ersatz);
        von = q + suche.size();
    }
    ergebnis.append(QStringView(text).sliced(von));
    return ergebnis;
}

}  // namespace mi
