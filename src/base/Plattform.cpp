#include "base/Plattform.h"

#include "base/Fehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

// Everything that differs between Windows and the other systems is here.
#ifdef Q_OS_WIN
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#include <cerrno>
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

double Systemplattform::zufallszahlZiehen() {
    return gleichverteiltZiehen(generator_);
}

std::optional<Dateiattribute> Systemplattform::attribute(const QString& pfad) const {
    return dateiattributeImSystemLesen(pfad);
}

bool Systemplattform::verzeichnisAnlegen(const QString& pfad) {
    return verzeichnisImSystemAnlegen(pfad);
}

bool Systemplattform::verzeichnisBetreten(const QString& pfad) {
    return verzeichnisImSystemBetreten(pfad);
}

std::optional<QStringList> Plattform::dateinamen(const QString& ordner,
                                                 const QString& muster) const {
    return dateinamenImSystemLesen(ordner, muster);
}

std::optional<Dateiattribute> dateiattributeImSystemLesen(const QString& pfad) {
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

std::optional<QStringList> dateinamenImSystemLesen(const QString& ordner, const QString& muster) {
    const QDir verzeichnis(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    if (!verzeichnis.exists() || !QFileInfo(verzeichnis.absolutePath()).isReadable()) {
        return std::nullopt;
    }
    return verzeichnis.entryList(QStringList{muster}, QDir::Files, QDir::Unsorted);
}

namespace {

// Windows changes the current drive before the folder; elsewhere there are no
// drives and this does nothing.
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

}  // namespace

bool verzeichnisImSystemAnlegen(const QString& pfad) {
    // mkdir, not mkpath: a missing parent is a failure, never created on the way.
    return QDir().mkdir(pfad);
}

bool verzeichnisImSystemBetreten(const QString& pfad) {
    const bool laufwerkOk = pfad.size() < 2 || pfad.at(1) != u':' || laufwerkWechseln(pfad.at(0));
    return laufwerkOk && QDir::setCurrent(pfad);
}

namespace {

#ifdef Q_OS_WIN
using Systemfehler = DWORD;
Systemfehler systemfehlerLesen() {
    return GetLastError();
}
constexpr Systemfehler Voll[] = {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL};
#else
using Systemfehler = int;
Systemfehler systemfehlerLesen() {
    return errno;
}
constexpr Systemfehler Voll[] = {ENOSPC, EDQUOT};
#endif

bool codeMeldetVoll(Systemfehler code) {
    return code == Voll[0] || code == Voll[1];
}

// Qt words a failure from the system's code at the failing call, so its text
// names the cause even where its error kind does not.
bool textMeldetVoll(const QFileDevice& datei) {
    const QString text = datei.errorString();
    return text == qt_error_string(static_cast<int>(Voll[0])) ||
           text == qt_error_string(static_cast<int>(Voll[1]));
}

std::int32_t fehlernummerWaehlen(bool voll) {
    return voll ? fehlernummer::DatentraegerVoll : fehlernummer::PfadZugriffsfehler;
}

}  // namespace

bool istDatentraegerVoll(const QFileDevice& datei) {
#ifdef Q_OS_WIN
    // Qt reports every failed write on Windows as a write error; the cause
    // is still the thread's last error.
    if (codeMeldetVoll(systemfehlerLesen())) {
        return true;
    }
#endif
    // Qt names a full disk a resource error, an exhausted quota only in its text.
    return datei.error() == QFileDevice::ResourceError || textMeldetVoll(datei);
}

std::int32_t aufDatentraegerBringen(QFileDevice& datei) {
    const int handle = datei.handle();
    if (handle < 0) {
        return fehlernummer::PfadZugriffsfehler;
    }
#ifdef Q_OS_WIN
    // Qt hands out a C runtime descriptor made from its system handle.
    const auto griff = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    const bool geschafft = griff != INVALID_HANDLE_VALUE && FlushFileBuffers(griff) != 0;
#else
    int ergebnis = 0;
    do {
#ifdef Q_OS_LINUX
        ergebnis = ::fdatasync(handle);
#else
        ergebnis = ::fsync(handle);
#endif
    } while (ergebnis != 0 && errno == EINTR);
    const bool geschafft = ergebnis == 0;
#endif
    return geschafft ? 0 : fehlernummerWaehlen(codeMeldetVoll(systemfehlerLesen()));
}

std::int32_t speicherdateiUebernehmen(QSaveFile& datei) {
    if (datei.commit()) {
        return 0;
    }
    // Qt reports a failed final step, the link or rename that puts the new
    // file in place, as a rename error of no particular cause, and on Linux
    // words it only where the link fails at once. The system's last error
    // still holds the cause here: after the failing call Qt merely closes
    // the temporary file's descriptor and removes its name, calls that
    // succeed and leave the last error as the failing one set it. Doing the
    // final step ourselves would mean doing all of the save file ourselves,
    // with its temporary file the system never names on Linux.
    const Systemfehler code = systemfehlerLesen();
    return fehlernummerWaehlen(codeMeldetVoll(code) || textMeldetVoll(datei));
}

}  // namespace mi
