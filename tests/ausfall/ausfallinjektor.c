/* ausfallinjektor: a preload library for the failure tests, Linux only. It
 * counts the write-side file operations under one folder and makes the n-th
 * fail as a full or broken disk would, or kills the process right there, as a
 * power cut would end it. C, not C++: it stands in for the C library's own
 * functions, before anything of C++ is set up.
 *
 *   MI_AUSFALL_ORDNER     the folder, absolute; without it nothing is counted
 *   MI_AUSFALL_NR         the operation to fail, from 1; 0 or none: count only
 *   MI_AUSFALL_ART        ENOSPC (default), EIO, or KILL for SIGKILL
 *   MI_AUSFALL_PROTOKOLL  a file outside the folder that gets one line per
 *                         operation: its number, the call, the path
 *
 * What counts is what changes the disk: an open for writing (a write access
 * mode, O_CREAT, O_TRUNC or O_TMPFILE; open, open64, openat, openat64, creat,
 * creat64), every write, flush, permission change or truncation of a
 * descriptor so opened (write, pwrite, pwrite64, writev, fdatasync, fsync,
 * fchmod, ftruncate, ftruncate64), and every change of a folder's entries
 * (mkdir, mkdirat, link, linkat, rename, renameat, renameat2, unlink,
 * unlinkat). Reading, listing, stat and close change nothing and are passed
 * through; close only forgets the descriptor. Qt reaches these as the C
 * library exports them (strace of an import shows no other write-side call). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

#define MI_DESKRIPTOREN 4096

static char ordner[PATH_MAX];
static size_t ordnerlaenge;
static long ziel;
static int fehler = ENOSPC;
static int toeten;
static int protokoll = -1;
static long zaehler;
static unsigned char unter[MI_DESKRIPTOREN];

__attribute__((constructor)) static void einrichten(void) {
    const char* o = getenv("MI_AUSFALL_ORDNER");
    if (o == NULL || realpath(o, ordner) == NULL) {
        ordner[0] = '\0';
        return;
    }
    ordnerlaenge = strlen(ordner);
    const char* nr = getenv("MI_AUSFALL_NR");
    ziel = nr != NULL ? atol(nr) : 0;
    const char* art = getenv("MI_AUSFALL_ART");
    if (art != NULL && strcmp(art, "EIO") == 0) {
        fehler = EIO;
    }
    toeten = art != NULL && strcmp(art, "KILL") == 0;
    const char* p = getenv("MI_AUSFALL_PROTOKOLL");
    if (p != NULL) {
        protokoll =
            (int)syscall(SYS_openat, AT_FDCWD, p, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    }
}

/* The path a descriptor was opened with, into platz (PATH_MAX bytes); empty
 * when the kernel does not tell. */
static void deskriptorpfadLesen(int fd, char* platz) {
    char verweis[64];
    snprintf(verweis, sizeof verweis, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(verweis, platz, PATH_MAX - 1);
    platz[n > 0 ? n : 0] = '\0';
}

/* The absolute form of pfad as seen from verzeichnis (AT_FDCWD or a folder's
 * descriptor), into platz. */
static const char* absolutBilden(int verzeichnis, const char* pfad, char* platz) {
    if (pfad == NULL || pfad[0] == '/') {
        return pfad;
    }
    char basis[PATH_MAX] = "";
    if (verzeichnis == AT_FDCWD) {
        if (getcwd(basis, sizeof basis) == NULL) {
            return pfad;
        }
    } else {
        deskriptorpfadLesen(verzeichnis, basis);
    }
    snprintf(platz, PATH_MAX, "%s/%s", basis, pfad);
    return platz;
}

static int liegtImOrdner(const char* pfad) {
    return ordnerlaenge > 0 && pfad != NULL && strncmp(pfad, ordner, ordnerlaenge) == 0 &&
           (pfad[ordnerlaenge] == '/' || pfad[ordnerlaenge] == '\0');
}

static int ueberwacht(int fd) {
    return fd >= 0 && fd < MI_DESKRIPTOREN && unter[fd];
}

static void merken(int fd, int ja) {
    if (fd >= 0 && fd < MI_DESKRIPTOREN) {
        unter[fd] = (unsigned char)ja;
    }
}

/* Counts one operation; true when it is the one to fail, errno then set. */
static int operationZaehlen(const char* aufruf, const char* pfad) {
    const long nr = __atomic_add_fetch(&zaehler, 1, __ATOMIC_SEQ_CST);
    if (protokoll >= 0) {
        char zeile[PATH_MAX + 64];
        const int n = snprintf(zeile, sizeof zeile, "%ld\t%s\t%s\n", nr, aufruf, pfad);
        syscall(SYS_write, protokoll, zeile, (size_t)(n < (int)sizeof zeile ? n : 0));
    }
    if (nr != ziel) {
        return 0;
    }
    if (toeten) {
        kill(getpid(), SIGKILL);
    }
    errno = fehler;
    return 1;
}

static int deskriptorZaehlen(const char* aufruf, int fd) {
    if (!ueberwacht(fd)) {
        return 0;
    }
    char pfad[PATH_MAX];
    deskriptorpfadLesen(fd, pfad);
    return operationZaehlen(aufruf, pfad);
}

static int pfadZaehlen(const char* aufruf, int verzeichnis, const char* pfad) {
    char platz[PATH_MAX];
    const char* voll = absolutBilden(verzeichnis, pfad, platz);
    return liegtImOrdner(voll) && operationZaehlen(aufruf, voll);
}

/* A link or rename counts once: by its new name in the folder, else its old. */
static int zweiPfadeZaehlen(const char* aufruf, int da, const char* alt, int dn, const char* neu) {
    char platz[PATH_MAX];
    return liegtImOrdner(absolutBilden(dn, neu, platz)) ? pfadZaehlen(aufruf, dn, neu)
                                                        : pfadZaehlen(aufruf, da, alt);
}

#define MI_ECHT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static int schreibend(int flags) {
    return (flags & O_ACCMODE) != O_RDONLY || (flags & (O_CREAT | O_TRUNC)) != 0 ||
           (flags & O_TMPFILE) == O_TMPFILE;
}

/* Every open goes through here: counted when it writes, its descriptor
 * remembered when it lies in the folder. */
static int oeffnen(const char* aufruf, int verzeichnis, const char* pfad, int flags, mode_t art) {
    char platz[PATH_MAX];
    const char* voll = absolutBilden(verzeichnis, pfad, platz);
    const int imZiel = liegtImOrdner(voll);
    if (imZiel && schreibend(flags) && operationZaehlen(aufruf, voll)) {
        return -1;
    }
    const int fd = (int)syscall(SYS_openat, verzeichnis, pfad, flags, art);
    merken(fd, imZiel && schreibend(flags));
    return fd;
}

static mode_t modusLesen(int flags, va_list argumente) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(argumente, mode_t)
                                                                      : 0;
}

/* The open family: the mode comes only with a flag that creates a file. */
#define MI_OEFFNEN(name, parameter, verzeichnis)              \
    int name parameter {                                      \
        va_list a;                                            \
        va_start(a, flags);                                   \
        const mode_t art = modusLesen(flags, a);              \
        va_end(a);                                            \
        return oeffnen(#name, verzeichnis, pfad, flags, art); \
    }

MI_OEFFNEN(open, (const char* pfad, int flags, ...), AT_FDCWD)
MI_OEFFNEN(open64, (const char* pfad, int flags, ...), AT_FDCWD)
MI_OEFFNEN(openat, (int verzeichnis, const char* pfad, int flags, ...), verzeichnis)
MI_OEFFNEN(openat64, (int verzeichnis, const char* pfad, int flags, ...), verzeichnis)

int creat(const char* pfad, mode_t art) {
    return oeffnen("creat", AT_FDCWD, pfad, O_WRONLY | O_CREAT | O_TRUNC, art);
}

int creat64(const char* pfad, mode_t art) {
    return oeffnen("creat64", AT_FDCWD, pfad, O_WRONLY | O_CREAT | O_TRUNC, art);
}

int close(int fd) {
    merken(fd, 0);
    return MI_ECHT(close)(fd);
}

/* A call on a descriptor: fails when counted so, else goes to the C library. */
#define MI_AUF_DESKRIPTOR(typ, name, parameter, argumente)                  \
    typ name parameter {                                                    \
        return deskriptorZaehlen(#name, fd) ? -1 : MI_ECHT(name) argumente; \
    }

MI_AUF_DESKRIPTOR(ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n))
MI_AUF_DESKRIPTOR(ssize_t, pwrite, (int fd, const void* b, size_t n, off_t o), (fd, b, n, o))
MI_AUF_DESKRIPTOR(ssize_t, pwrite64, (int fd, const void* b, size_t n, off64_t o), (fd, b, n, o))
MI_AUF_DESKRIPTOR(ssize_t, writev, (int fd, const struct iovec* v, int n), (fd, v, n))
MI_AUF_DESKRIPTOR(int, fdatasync, (int fd), (fd))
MI_AUF_DESKRIPTOR(int, fsync, (int fd), (fd))
MI_AUF_DESKRIPTOR(int, fchmod, (int fd, mode_t m), (fd, m))
MI_AUF_DESKRIPTOR(int, ftruncate, (int fd, off_t l), (fd, l))
MI_AUF_DESKRIPTOR(int, ftruncate64, (int fd, off64_t l), (fd, l))

/* A change of a folder's entries: counted when its path lies in the folder. */
#define MI_IM_ORDNER(name, parameter, pruefung, argumente) \
    int name parameter {                                   \
        return (pruefung) ? -1 : MI_ECHT(name) argumente;  \
    }

MI_IM_ORDNER(mkdir, (const char* p, mode_t m), pfadZaehlen("mkdir", AT_FDCWD, p), (p, m))
MI_IM_ORDNER(mkdirat, (int d, const char* p, mode_t m), pfadZaehlen("mkdirat", d, p), (d, p, m))
MI_IM_ORDNER(unlink, (const char* p), pfadZaehlen("unlink", AT_FDCWD, p), (p))
MI_IM_ORDNER(unlinkat, (int d, const char* p, int f), pfadZaehlen("unlinkat", d, p), (d, p, f))
MI_IM_ORDNER(link, (const char* a, const char* n),
             zweiPfadeZaehlen("link", AT_FDCWD, a, AT_FDCWD, n), (a, n))
MI_IM_ORDNER(linkat, (int da, const char* a, int dn, const char* n, int f),
             zweiPfadeZaehlen("linkat", da, a, dn, n), (da, a, dn, n, f))
MI_IM_ORDNER(rename, (const char* a, const char* n),
             zweiPfadeZaehlen("rename", AT_FDCWD, a, AT_FDCWD, n), (a, n))
MI_IM_ORDNER(renameat, (int da, const char* a, int dn, const char* n),
             zweiPfadeZaehlen("renameat", da, a, dn, n), (da, a, dn, n))
MI_IM_ORDNER(renameat2, (int da, const char* a, int dn, const char* n, unsigned int f),
             zweiPfadeZaehlen("renameat2", da, a, dn, n), (da, a, dn, n, f))
