#include "startup/Plattform.h"

#include <QCoreApplication>
#include <QDir>

namespace mi {

QString Systemplattform::umgebungsvariable(const QString& name) const {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QString Systemplattform::programmordner() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QDateTime Systemplattform::jetzt() const {
    return QDateTime::currentDateTime();
}

QLocale Systemplattform::gebietsschema() const {
    return QLocale::system();
}

double Systemplattform::zufallszahl() {
    return verteilung_(generator_);
}

}  // namespace mi
