#pragma once

#include "Planer.h"
#include "startup/Start.h"
#include "window/Fenster.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace mi::test {

// Start-up as the program runs it, the window shown at its end.
inline std::unique_ptr<frmMitarbeiterImport> starten(Dienste& dienste) {
    std::unique_ptr<frmMitarbeiterImport> fenster;
    const auto ende = Main(dienste, [&](const Startwerte& start, const Planerordner& ordner) {
        fenster = fensterOeffnen(dienste, start, ordner);
    });
    EXPECT_FALSE(ende.has_value());
    return fenster;
}

// Each step's picture, frame and button as text, and what screen readers are
// told of the picture, so a failure shows both states.
inline QStringList zustandBeschreiben(const frmMitarbeiterImport& f) {
    QStringList text;
    for (const Schritt s : AlleSchritte) {
        const QImage bild = f.imgIcon(s)->pixmap().toImage();
        const auto zeigt = [&](Bild b) { return bild == f.bildhalter(b)->pixmap().toImage(); };
        text.append(
            QLatin1String(zeigt(Bild::OK)        ? "done"
                          : zeigt(Bild::Pfeil)   ? "current"
                          : zeigt(Bild::Inaktiv) ? "not open"
                                                 : "?") +
            QLatin1String(f.fraRahmen(s)->isEnabled() ? " frame" : "") +
            QLatin1String(f.cmdAuswahl(schrittknopfFinden(s))->isEnabled() ? " button: " : ": ") +
            QAccessible::queryAccessibleInterface(f.imgIcon(s))->text(QAccessible::Description));
    }
    text.append(QLatin1String(f.cmdAuswahl(Knopf::Schliessen)->isEnabled() ? "close" : ""));
    return text;
}

// The English window in the state.
inline void zustandPruefen(const frmMitarbeiterImport& f, Zustand zustand) {
    QStringList erwartet;
    for (const Schritt s : AlleSchritte) {
        const Zustand n = zustandFinden(s);
        erwartet.append(QLatin1String(n < zustand    ? "done"
                                      : n == zustand ? "current"
                                                     : "not open") +
                        QLatin1String(n <= zustand ? " frame" : "") +
                        QLatin1String(n == zustand ? " button: " : ": ") +
                        QLatin1String(n < zustand    ? "done"
                                      : n == zustand ? "current step"
                                                     : "not yet available"));
    }
    erwartet.append(QStringLiteral("close"));
    EXPECT_EQ(zustandBeschreiben(f), erwartet) << "state " << nummerLesen(zustand);
}

}  // namespace mi::test
