#include "services/Dienste.h"
#include "startup/Start.h"
#include "texts/Sprache.h"
#include "window/Fenster.h"
#include "window/QtDialoge.h"

#include <QApplication>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mi::QtPlattform plattform;
    mi::QtDialoge dialoge;
    mi::Dienste dienste(*mi::spracheErkennen(QStringLiteral(MI_SPRACHE)), plattform, dialoge);

    // The message boxes' own buttons (Yes, Yes to All, No, OK) speak the build's language too.
    QTranslator qtTexte;
    mi::qtTexteLaden(qtTexte, dienste.sprache);

    std::unique_ptr<mi::frmMitarbeiterImport> fenster;
    const auto ende =
        mi::Main(dienste, [&](const mi::Startwerte& start, const mi::Planerordner& ordner) {
            fenster = mi::fensterOeffnen(dienste, start, ordner);
            fenster->endbehandlungSetzen([](int status) { QCoreApplication::exit(status); });
        });
    if (ende) {
        return ende->status;
    }
    // Loading the window may already have ended the program with a report of its own.
    if (const auto& imFenster = fenster->assistent().ende()) {
        return imFenster->status;
    }
    return QApplication::exec();
}
