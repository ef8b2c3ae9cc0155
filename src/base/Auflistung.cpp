#include "base/Auflistung.h"

#include "base/Pfade.h"

#include <algorithm>

namespace mi {

std::optional<QStringList> dateienAuflisten(const Plattform& plattform, const QString& ordner,
                                            const QString& muster) {
    auto namen = plattform.dateinamen(ordner, muster);
    if (!namen) {
        return std::nullopt;
    }
    const QString basis = ordner.isEmpty() ? QString() : trennerAnhaengen(ordner);
    namen->removeIf([&](const QString& name) {
        const auto a = plattform.attribute(basis + name);
        return !a || a->verborgen;
    });
    // The planner's file system orders names by their upper-case form, code by
    // code; so "_" comes after the letters, as it does there.
    std::sort(namen->begin(), namen->end(), [](const QString& a, const QString& b) {
        const int r = a.toUpper().compare(b.toUpper());
        return r != 0 ? r < 0 : a < b;
    });
    return namen;
}

std::optional<QString> dateiFinden(const Plattform& plattform, const QString& ordner,
                                   const QString& name) {
    const auto namen = dateienAuflisten(plattform, ordner, name);
    if (!namen || namen->isEmpty()) {
        return std::nullopt;
    }
    // Only a case-sensitive file system can hold two spellings of one name.
    const QString& gefunden = namen->contains(name) ? name : namen->front();
    return (ordner.isEmpty() ? QString() : trennerAnhaengen(ordner)) + gefunden;
}

bool Ordner_vorhanden(const Plattform& plattform, const QString& pfad) {
    if (pfad.isEmpty()) {
        return false;
    }
    const auto a = plattform.attribute(pfad);
    return a && a->verzeichnis;
}

}  // namespace mi
