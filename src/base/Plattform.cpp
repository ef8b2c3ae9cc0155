#include "base/Plattform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

// Everything that differs between Windows and the other systems is here.
#ifdef Q_OS_WIN
#include <direct.h>
#include <windows.h>
#endif

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
    return gleichverteilt(generator_);
}

std::optional<Dateiattribute> Systemplattform::attribute(const QString& pfad) const {
    return dateiattributeDesSystems(pfad);
}

std::optional<Dateiattribute> dateiattributeDesSystems(const QString& pfad) {
#ifdef Q_OS_WIN
    // Qt's own filters know the hidden attribute but not the system one.
    const DWORD a = GetFileAttributesW(reinterpret_cast<LPCWSTR>(pfad.utf16()));
    if (a == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return Dateiattribute{(a & FILE_ATTRIBUTE_DIRECTORY) != 0,
                          (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0};
#else
    const QFileInfo info(pfad);
    if (!info.exists()) {
        return std::nullopt;
    }
    return Dateiattribute{info.isDir(), info.fileName().startsWith(u'.')};
#endif
}

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

bool datentraegerVoll(const QFileDevice& datei) {
#ifdef Q_OS_WIN
    // Qt reports every failed write on Windows as a write error; the cause
    // is still the thread's last error.
    const DWORD ursache = GetLastError();
    if (ursache == ERROR_DISK_FULL || ursache == ERROR_HANDLE_DISK_FULL) {
        return true;
    }
#endif
    return datei.error() == QFileDevice::ResourceError;
}

}  // namespace mi
