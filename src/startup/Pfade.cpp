#include "startup/Pfade.h"

#ifdef Q_OS_WIN
#include <direct.h>
#endif

namespace mi {

bool laufwerkWechseln(QChar laufwerk) {
#ifdef Q_OS_WIN
    const char16_t buchstabe = laufwerk.toUpper().unicode();
    if (buchstabe < u'A' || buchstabe > u'Z') {
        return false;
    }
    return _chdrive(buchstabe - u'A' + 1) == 0;
#else
    Q_UNUSED(laufwerk);
    return true;
#endif
}

}  // namespace mi
