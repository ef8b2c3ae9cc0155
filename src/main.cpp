#include "messages/Sprache.h"
#include "startup/Laufzeit.h"
#include "startup/Start.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    mi::Systemplattform plattform;
    struct KeineDialoge : mi::Dialoge {
        mi::Antwort zeigen(const mi::Meldungsbox&) override { return mi::Antwort::OK; }
        QString ordnerWaehlen(const QString&) override { return {}; }
        std::optional<QString> dateiWaehlen(const mi::Dateiwahl&) override { return {}; }
    } dialoge;
    mi::Laufzeit lz(*mi::spracheAusKuerzel(QStringLiteral(MI_SPRACHE)), plattform, dialoge);
    const auto ende = mi::Main(lz, [] {});
    return ende ? ende->status : 0;
}
