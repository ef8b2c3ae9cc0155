#include "folders/Datenordner.h"

namespace mi {

QString BrowseForFolder(Laufzeit& /*lz*/) {
    return {};
}

bool Datenordner_auswählen(Laufzeit& /*lz*/) {
    return false;
}

QString ParentDir(Laufzeit& /*lz*/, const QString& /*pfad*/) {
    return {};
}

}  // namespace mi
