#pragma once

#include <QChar>
#include <QDir>
#include <QString>

namespace mi {

// The one place where the platform's path rules live. The planner's own texts
// write backslashes; this program appends, tests and strips the platform's
// native separator instead.
inline const QChar Trenner = QDir::separator();

// Qt and the environment hand out "/" on every platform: convert where a path enters.
inline QString trennerAngleichen(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

inline QString trennerAnhaengen(const QString& pfad) {
    return pfad.endsWith(Trenner) ? pfad : pfad + Trenner;
}

}  // namespace mi
