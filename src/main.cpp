#include "messages/Sprache.h"
#include "startup/Laufzeit.h"
#include "startup/Start.h"
#include "wizard/qt/Fenster.h"
#include "wizard/qt/QtDialoge.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mi::QtPlattform plattform;
    mi::QtDialoge dialoge;
    mi::Laufzeit lz(*mi::spracheAusKuerzel(QStringLiteral(MI_SPRACHE)), plattform, dialoge);

    // The message boxes' own buttons (Yes, No, OK) speak the build's language too.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QStringLiteral(MI_SPRACHE).toLower()), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexte);
    }

    std::unique_ptr<mi::frmMitarbeiterImport> fenster;
    const auto ende = mi::Main(lz, [&] {
        fenster = std::make_unique<mi::frmMitarbeiterImport>(lz);
        dialoge.elternfensterSetzen(fenster.get());
        fenster->beiProgrammende([](int status) { QCoreApplication::exit(status); });
        fenster->Form_Load();
        if (!fenster->assistent().beendet()) {
            fenster->show();
        }
    });
    if (ende) {
        return ende->status;
    }
    // Form_Load may already have ended the program with a report of its own.
    if (const auto& imFenster = fenster->assistent().ende()) {
        return imFenster->status;
    }
    return QApplication::exec();
}
