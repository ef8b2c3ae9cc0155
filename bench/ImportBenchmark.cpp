// The import's two heavy steps on a full-size file: the check of a CSV file
// of up to 32,767 rows (the most the row counter allows) and the import of the
// checked rows into a planner data folder of realistic size, with its backup,
// log and settings.
//
//   bench_import [--benchmark_filter=...] [--benchmark_repetitions=N]
//
// The planner folder is built once and restored before every iteration of the
// import, outside the timed part, so each one imports into the same data.

#include "Fakes.h"
#include "base/Datum.h"
#include "base/Fehler.h"
#include "base/Pfade.h"
#include "base/Startwerte.h"
#include "datastore/Konfigdaten.h"
#include "datastore/Planerordner.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"
#include "import/Import.h"
#include "import/Importpruefung.h"
#include "services/Dienste.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <map>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace mi::bench {

const QString Benutzer = QStringLiteral("chef");

// ---------------------------------------------------------------------------
// The planner's data folder

// Scrambled lines as the planner writes them, CR LF after each.
class Planertext {
  public:
    explicit Planertext(std::mt19937& zufall) : zufall_(zufall) {}

    void zeileAnhaengen(const QString& text) {
        std::uniform_int_distribution<int> start(32, 254);
        inhalt_.append(
            zeileVerschluesseln(cp1252Kodieren(text), static_cast<std::uint8_t>(start(zufall_))));
        inhalt_.append("\r\n");
    }
    qsizetype groesse() const { return inhalt_.size(); }
    QByteArray inhalt() const { return inhalt_; }

  private:
    std::mt19937& zufall_;
    QByteArray inhalt_;
};

const QStringList Vornamen = {
    "Anna",   "Jürgen", "Chloé",  "Carl",    "Maria", "Stefan",  "Sophie", "Lukas",
    "Zoë",    "Thomas", "Léa",    "Michael", "Julia", "Andreas", "Émilie", "Peter",
    "Sabine", "Björn",  "Hélène", "Markus",  "Laura", "Jörg",    "Claire", "Daniel",
};
const QStringList Nachnamen = {
    "Berger", "Müller",  "Lefèvre", "Oldfield", "Schmidt",  "Weiß",     "Fischer", "Dubois",
    "Meyer",  "Wagner",  "Becker",  "Schäfer",  "Moreau",   "Hoffmann", "Koch",    "Girard",
    "Bauer",  "Richter", "Klein",   "Wolf",     "Schröder", "Neumann",  "Faure",   "Brandt",
};
const QStringList Abteilungen = {"Sales",   "Workshop",   "Accounts",   "Warehouse",
                                 "Service", "Purchasing", "Management", "Logistics"};

// User names are plain ASCII, as login names are: umlauts spelt out, accents dropped.
QString kennungBilden(int i) {
    const QString& vorname = Vornamen[i % Vornamen.size()];
    const QString& nachname = Nachnamen[(i / Vornamen.size()) % Nachnamen.size()];
    QString k;
    for (const QChar c : (vorname.left(1) + nachname).toLower()) {
        switch (c.unicode()) {
            case u'ä':
                k += QStringLiteral("ae");
                break;
            case u'ö':
                k += QStringLiteral("oe");
                break;
            case u'ü':
                k += QStringLiteral("ue");
                break;
            case u'ß':
                k += QStringLiteral("ss");
                break;
            default:
                k += c.unicode() < 0x80 ? c : QChar(u'e');
        }
    }
    return k + QString::number(i);
}

QString planernameBilden(int i) {
    return Vornamen[i % Vornamen.size()] + u' ' +
           Nachnamen[(i / Vornamen.size()) % Nachnamen.size()];
}

QString datumZiehen(std::mt19937& zufall, int vonJahr, int bisJahr) {
    std::uniform_int_distribution<int> jahr(vonJahr, bisJahr), monat(1, 12), tag(1, 28);
    return QStringLiteral("%1%2%3")
        .arg(jahr(zufall) % 100, 2, 10, QChar(u'0'))
        .arg(monat(zufall), 2, 10, QChar(u'0'))
        .arg(tag(zufall), 2, 10, QChar(u'0'));
}

QByteArray konfigdatenErzeugen(std::mt19937& zufall) {
    Planertext d(zufall);
    for (const char* zeile :
         {"[Velmont]", "3.2", "2026", "[Firma]", "Example Manufacturing Ltd", "1", "[Settings]"}) {
        d.zeileAnhaengen(QString::fromLatin1(zeile));
    }
    // Day values in whole days (character 30 is "0"): the import raises the
    // step twice, to halves and then to tenths, so both writes are timed.
    d.zeileAnhaengen(QStringLiteral("1100100010000000000000010000000000000000"));
    d.zeileAnhaengen(QStringLiteral("0010000000"));
    for (int i = 0; i < 40; ++i) {
        d.zeileAnhaengen(QStringLiteral("Option%1=%2").arg(i).arg(i % 3));
    }
    d.zeileAnhaengen(QStringLiteral("[Administratoren]"));
    d.zeileAnhaengen(QStringLiteral("A1:Chef:") + Benutzer);
    for (int i = 0; i < 12; ++i) {
        d.zeileAnhaengen(
            QStringLiteral("A%1:%2:%3").arg(i + 2).arg(planernameBilden(i), kennungBilden(i)));
    }
    return d.inhalt();
}

QByteArray mitarbeiterdatenErzeugen(std::mt19937& zufall) {
    Planertext d(zufall);
    d.zeileAnhaengen(QStringLiteral("[Mitarbeiterdaten]"));
    d.zeileAnhaengen(QStringLiteral("99999999"));
    d.zeileAnhaengen(QStringLiteral("0"));
    for (int i = 0; i < 400; ++i) {
        if (i % 40 == 0) {
            d.zeileAnhaengen(Abteilungen[(i / 40) % Abteilungen.size()]);
        }
        d.zeileAnhaengen(
            datumZiehen(zufall, 2000, 2025) +
            QStringLiteral(":999999:012,5:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:") +
            planernameBilden(i) + u':' + kennungBilden(i));
    }
    return d.inhalt();
}

// Leave and planning entries of a file, until it has about groesse bytes.
QByteArray planerdatenErzeugen(std::mt19937& zufall, const QString& kopf, qsizetype groesse) {
    static const QStringList Arten = {
        "U", "S", "K", "F", "U:Winter holiday", "S:Training course", "K", "U:Family visit"};
    std::uniform_int_distribution<int> person(0, 399), art(0, static_cast<int>(Arten.size() - 1));
    Planertext d(zufall);
    d.zeileAnhaengen(kopf);
    d.zeileAnhaengen(QStringLiteral("2026"));
    while (d.groesse() < groesse) {
        d.zeileAnhaengen(kennungBilden(person(zufall)) + u':' + datumZiehen(zufall, 2010, 2026) +
                         u':' + datumZiehen(zufall, 2010, 2026) + u':' + Arten[art(zufall)]);
    }
    return d.inhalt();
}

QByteArray logbuchErzeugen(std::mt19937& zufall, int jahr, int monat) {
    static const QStringList Eintraege = {"Program started",        "Leave entered",
                                          "Leave deleted",          "Settings changed",
                                          "Employee data imported", "Holiday calendar updated",
                                          "Backup created"};
    std::uniform_int_distribution<int> tag(1, 28), stunde(7, 18), minute(0, 59),
        eintrag(0, static_cast<int>(Eintraege.size() - 1)), person(0, 11);
    Planertext d(zufall);
    for (int i = 0; i < 300; ++i) {
        const int p = person(zufall);
        d.zeileAnhaengen(
            QStringLiteral("%1.%2.%3 %4:%5:%6|%7|%8")
                .arg(tag(zufall), 2, 10, QChar(u'0'))
                .arg(monat, 2, 10, QChar(u'0'))
                .arg(jahr % 100, 2, 10, QChar(u'0'))
                .arg(stunde(zufall), 2, 10, QChar(u'0'))
                .arg(minute(zufall), 2, 10, QChar(u'0'))
                .arg(minute(zufall), 2, 10, QChar(u'0'))
                .arg(kennungBilden(p), (p < 3 ? QStringLiteral("VelmoAdmin|") : QString()) +
                                           Eintraege[eintrag(zufall)]));
    }
    return d.inhalt();
}

// A planner data folder of about 5 MB in 20 ".dat" files, with 24 monthly
// log books and an empty backup folder, kept in memory so that it can be put
// back exactly as it was.
class Planerablage {
  public:
    Planerablage() {
        std::mt19937 zufall(20261205);
        const QString daten = QStringLiteral("VelmoraData/");
        dateien_[daten + "Konfigdaten.dat"] = konfigdatenErzeugen(zufall);
        dateien_[daten + "Mitarbeiterdaten.dat"] = mitarbeiterdatenErzeugen(zufall);
        dateien_[daten + "PlanerData.dat"] =
            planerdatenErzeugen(zufall, QStringLiteral("[Urlaubsdaten]"), qsizetype{900} * 1024);
        dateien_[daten + "Feiertage.dat"] =
            planerdatenErzeugen(zufall, QStringLiteral("[Feiertage]"), qsizetype{20} * 1024);
        for (int jahr = 2010; jahr <= 2025; ++jahr) {
            dateien_[daten + QStringLiteral("Urlaub%1.dat").arg(jahr)] = planerdatenErzeugen(
                zufall, QStringLiteral("[Urlaub%1]").arg(jahr), qsizetype{250} * 1024);
        }
        for (int jahr = 2025; jahr <= 2026; ++jahr) {
            for (int monat = 1; monat <= 12; ++monat) {
                dateien_[daten + QStringLiteral("Logs/%1%2 Velmont.log")
                                     .arg(jahr % 100, 2, 10, QChar(u'0'))
                                     .arg(monat, 2, 10, QChar(u'0'))] =
                    logbuchErzeugen(zufall, jahr, monat);
            }
        }
        QDir(dir_.path()).mkpath(daten + QStringLiteral("Backups"));
        wiederherstellen();
    }

    QString datenordner() const {
        return trennerAngleichen(dir_.filePath(QStringLiteral("VelmoraData"))) + Trenner;
    }
    QString logordner() const { return datenordner() + QStringLiteral("Logs") + Trenner; }
    QString pfad(const QString& relativ) const { return trennerAngleichen(dir_.filePath(relativ)); }

    // Every file back to its first content; every file the runs added (the
    // backups above all) removed.
    void wiederherstellen() {
        for (auto it = dateien_.cbegin(); it != dateien_.cend(); ++it) {
            QFile datei(dir_.filePath(it->first));
            if (datei.open(QIODevice::ReadOnly) && datei.readAll() == it->second) {
                continue;
            }
            datei.close();
            QDir(dir_.path()).mkpath(QFileInfo(datei).path());
            if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                datei.write(it->second) != it->second.size()) {
                std::fprintf(stderr, "cannot restore %s\n", qPrintable(datei.fileName()));
                std::abort();
            }
        }
        QDirIterator alle(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        const QDir wurzel(dir_.path());
        while (alle.hasNext()) {
            const QString datei = alle.next();
            if (dateien_.find(wurzel.relativeFilePath(datei)) == dateien_.end()) {
                QFile::remove(datei);
            }
        }
    }

    void vergessen() { dateien_.clear(); }

    qsizetype bytes(const QString& endung) const {
        qsizetype summe = 0;
        for (const auto& [name, inhalt] : dateien_) {
            summe += name.endsWith(endung) ? inhalt.size() : 0;
        }
        return summe;
    }
    int anzahl(const QString& endung) const {
        int n = 0;
        for (const auto& eintrag : dateien_) {
            n += eintrag.first.endsWith(endung) ? 1 : 0;
        }
        return n;
    }

  private:
    QTemporaryDir dir_;
    std::map<QString, QByteArray> dateien_;
};

// ---------------------------------------------------------------------------
// The import file

// A spreadsheet's "CSV UTF-8" export in the pinned English (US) locale: a
// header, ten columns, department rows (">Name"), some quoted values, dates
// with four- and two-digit years and in ISO form, day values in halves and
// tenths. Every row checks clean, so the check runs all five passes.
QByteArray importdateiErzeugen(int zeilen) {
    std::mt19937 zufall(static_cast<unsigned>(zeilen));
    std::uniform_int_distribution<int> monat(1, 12), tag(1, 28), jahr(2015, 2024);
    static const QStringList Rest = {"2.5", "0", "-1.5", "12", "3.7", "0.5", ""};
    static const QStringList Anspruch = {"30", "27.5", "28.3", "30", "25", "30"};
    static const QStringList Sonder = {"", "1.5", "0", "", "2", ""};

    QString text = QStringLiteral(
        "Name,User,From,To,Remaining,Entitlement 1,Entitlement 2,Entitlement 3,"
        "Entitlement 4,Special leave\r\n");
    for (int i = 0; i < zeilen; ++i) {
        if (i % 40 == 0) {
            text +=
                u'>' + Abteilungen[(i / 40) % Abteilungen.size()] + QStringLiteral(",,,,,,,,,\r\n");
            continue;
        }
        QString von;
        switch (i % 5) {
            case 0:
                break;
            case 1:
                von = QStringLiteral("%1-%2-%3")
                          .arg(jahr(zufall))
                          .arg(monat(zufall), 2, 10, QChar(u'0'))
                          .arg(tag(zufall), 2, 10, QChar(u'0'));
                break;
            case 2:
                von = QStringLiteral("%1/%2/%3")
                          .arg(monat(zufall))
                          .arg(tag(zufall))
                          .arg(jahr(zufall) % 100, 2, 10, QChar(u'0'));
                break;
            default:
                von = QStringLiteral("%1/%2/%3")
                          .arg(monat(zufall))
                          .arg(tag(zufall))
                          .arg(jahr(zufall));
        }
        const QString bis = i % 9 == 0 ? QStringLiteral("12/31/2029") : QString();
        const QString& anspruch = Anspruch[i % Anspruch.size()];
        QStringList felder = {planernameBilden(i),
                              kennungBilden(i),
                              von,
                              bis,
                              Rest[i % Rest.size()],
                              anspruch,
                              anspruch,
                              anspruch,
                              i % 3 == 0 ? QString() : anspruch,
                              Sonder[i % Sonder.size()]};
        if (i % 7 == 0) {
            felder[0] = u'"' + felder[0] + u'"';
            felder[4] = u'"' + felder[4] + u'"';
        }
        text += felder.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

// ---------------------------------------------------------------------------
// The runs

struct Vorrat {
    Planerablage ordner;
    QTemporaryDir programmordner;  // beside the program, where the file dialog opens
    std::map<int, QString> importpfade;

    QString importdateiBereitstellen(int zeilen) {
        auto it = importpfade.find(zeilen);
        if (it == importpfade.end()) {
            const QString pfad = trennerAngleichen(
                programmordner.filePath(QStringLiteral("import%1.csv").arg(zeilen)));
            QFile datei(pfad);
            const QByteArray inhalt = importdateiErzeugen(zeilen);
            if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
                std::abort();
            }
            it = importpfade.emplace(zeilen, pfad).first;
        }
        return it->second;
    }
};

Vorrat& vorratHolen() {
    static Vorrat v;
    return v;
}

// One wizard session at step 3 on the planner folder, as administrator.
struct Messsitzung {
    explicit Messsitzung(QString importdatei)
        : Importdateipfad(std::move(importdatei)),
          start{FormatDatumDS(plattform.jetzt().date()), Benutzer, {}},
          ordner{vorratHolen().ordner.datenordner(), vorratHolen().ordner.logordner()} {}

    // False, with the reason given to the benchmark, when the run did not
    // take the clean path (a fault row, a message, the program's end).
    template <typename Vorgang>
    bool schrittAusfuehren(benchmark::State& state, Vorgang&& vorgang,
                           const QStringList& erwartet) {
        dialoge.texte.clear();
        try {
            vorgang();
        } catch (const Programmende&) {
            dialoge.texte.append(QStringLiteral("(program ended)"));
        }
        if (dialoge.texte != erwartet) {
            state.SkipWithError(
                qPrintable(QStringLiteral("unexpected boxes: ") + dialoge.texte.join(" / ")));
            return false;
        }
        return true;
    }

    Pruefergebnis pruefen() {
        return Importdatei_checken(dienste, ordner.Datenpfad, Importdateipfad, start.Benutzername);
    }

    Messplattform plattform;
    Messdialoge dialoge;
    Dienste dienste{Sprache::EN, plattform, dialoge};
    QString Importdateipfad;
    Startwerte start;
    Planerordner ordner;
};

// The process's peak memory from here on: Linux lets a process reset its
// high-water mark, so each step reports its own and not the largest so far.
// The heap the previous step freed goes back to the system first, or it would
// still count as resident.
void speicherspitzeZuruecksetzen() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    if (std::FILE* clearRefs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", clearRefs);
        std::fclose(clearRefs);
    }
}

// Rows a second. Peak memory is measured in a run of one step alone
// (--einmal): here the process also holds the folder's copy and, for the
// check, what empties the caches.
void kennzahlenSetzen(benchmark::State& state, int zeilen) {
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(zeilen) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.SetComplexityN(zeilen);
}

// Reads through more memory than a core's caches hold (twice the 32 MB of
// last-level cache a core shares on this machine's processors), so that none
// of what came before is left in them.
class Cacheleerer {
  public:
    void cachesLeeren() {
        std::uint64_t summe = 0;
        for (std::size_t i = 0; i < puffer_.size(); i += Zeilenbreite) {
            summe += puffer_[i];
        }
        benchmark::DoNotOptimize(summe);
    }

  private:
    static constexpr std::size_t Zeilenbreite = 64;  // bytes of a cache line
    std::vector<unsigned char> puffer_ = std::vector<unsigned char>(std::size_t{64} << 20, 1);
};

// Whether a check starts as a user's does, alone and cold, or back to back
// with the one before, whose memory a check of a few thousand rows finds all
// still cached and one of tens of thousands does not: their times then differ
// by the caches' size and not only by the work.
enum class Caches { Geleert, Warm };

void pruefen(benchmark::State& state, Caches caches) {
    const int zeilen = static_cast<int>(state.range(0));
    Messsitzung s(vorratHolen().importdateiBereitstellen(zeilen));
    const QStringList erwartet = {s.dienste.texte.pruefungFehlerfrei};
    std::optional<Cacheleerer> cache;
    if (caches == Caches::Geleert) {
        cache.emplace();
    }
    Pruefergebnis ergebnis;
    for (auto _ : state) {
        // The last repetition's rows are released before the clock runs: a
        // user's check has no earlier one beside it.
        state.PauseTiming();
        ergebnis = {};
        if (cache) {
            cache->cachesLeeren();
        }
        state.ResumeTiming();
        if (!s.schrittAusfuehren(
                state, [&] { ergebnis = s.pruefen(); }, erwartet)) {
            break;
        }
    }
    if (ergebnis.datei.ImportZeilen.size() != static_cast<std::size_t>(zeilen)) {
        state.SkipWithError("the check did not read every row");
    }
    kennzahlenSetzen(state, zeilen);
}

void importieren(benchmark::State& state) {
    const int zeilen = static_cast<int>(state.range(0));
    Planerablage& ordner = vorratHolen().ordner;
    Messsitzung s(vorratHolen().importdateiBereitstellen(zeilen));
    Pruefergebnis geprueft;
    if (!s.schrittAusfuehren(state, [&] { geprueft = s.pruefen(); },
                             {s.dienste.texte.pruefungFehlerfrei})) {
        return;
    }
    const Texte& t = s.dienste.texte;
    const QStringList erwartet = {
        t.ueberschreibenHinweis + QStringLiteral("\r\r") + t.ueberschreibenFrage,
        t.importErfolgreich};
    // The settings as the check read them: every import raises the day-value
    // step from whole days, so each one writes the settings file twice.
    const QString einstellungen = geprueft.konfiguration.Einstellungen;
    for (auto _ : state) {
        state.PauseTiming();
        ordner.wiederherstellen();
        state.ResumeTiming();
        Importergebnis ergebnis;
        if (!s.schrittAusfuehren(
                state,
                [&] {
                    ergebnis = Mitarbeiterdaten_importieren(
                        s.dienste, s.ordner, s.start, geprueft.datei.ImportZeilen, einstellungen);
                },
                erwartet)) {
            break;
        }
        state.PauseTiming();
        Konfiguration gelesen;
        if (!s.schrittAusfuehren(
                state,
                [&] { gelesen = Konfigdaten_lesen(s.dienste, s.ordner.Datenpfad, Benutzer); },
                {})) {
            break;
        }
        if (gelesen.Einstellungen.mid(29, 1) != u"2" || !ergebnis.importiert) {
            state.SkipWithError("the import did not raise the day-value step to tenths");
            break;
        }
        state.ResumeTiming();
    }
    // The last run's backup and changed files go too.
    ordner.wiederherstellen();
    kennzahlenSetzen(state, zeilen);
}

// The value of "--name=value" among the arguments, or nothing.
std::optional<QString> optionLesen(int argc, char** argv, const char* name) {
    const QString vorne = QStringLiteral("--%1=").arg(QLatin1String(name));
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(vorne)) {
            return argument.mid(vorne.size());
        }
    }
    return std::nullopt;
}

// The process's peak resident memory since the last reset, in MB (Linux).
double speicherspitzeLesen() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmHWM:")) {
            return zeile.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0;
}

// The two steps as callgrind counts them (--toggle-collect=mi::bench::gezaehlt*):
// functions of their own, which the optimiser may neither inline nor leave by
// a jump, so the count starts and ends with the step.
[[gnu::noinline]] Pruefergebnis gezaehltPruefen(Messsitzung& s) {
    Pruefergebnis e = s.pruefen();
    asm volatile("" ::: "memory");
    return e;
}

[[gnu::noinline]] Importergebnis gezaehltImportieren(Messsitzung& s,
                                                     const Pruefergebnis& geprueft) {
    Importergebnis e =
        Mitarbeiterdaten_importieren(s.dienste, s.ordner, s.start, geprueft.datei.ImportZeilen,
                                     geprueft.konfiguration.Einstellungen);
    asm volatile("" ::: "memory");
    return e;
}

// One check, or one check and one import, of the given number of rows, for an
// instruction count (callgrind) and the peak memory of each step alone.
int einmalMessen(const QString& was, int zeilen) {
    Messsitzung s(vorratHolen().importdateiBereitstellen(zeilen));
    // The folder's copy in memory is there to put it back between runs; one
    // run needs none, and its megabytes are not the program's.
    vorratHolen().ordner.vergessen();
    speicherspitzeZuruecksetzen();
    Pruefergebnis geprueft = gezaehltPruefen(s);
    std::printf("peak memory of the check: %.1f MB\n", speicherspitzeLesen());
    if (!geprueft.fehlerfrei ||
        geprueft.datei.ImportZeilen.size() != static_cast<std::size_t>(zeilen)) {
        std::fprintf(stderr, "the check did not pass every row\n");
        return 1;
    }
    if (was == u"importieren") {
        speicherspitzeZuruecksetzen();
        const Importergebnis e = gezaehltImportieren(s, geprueft);
        std::printf("peak memory of the import: %.1f MB\n", speicherspitzeLesen());
        if (!e.importiert) {
            std::fprintf(stderr, "the import did not take place\n");
            return 1;
        }
    }
    return 0;
}

}  // namespace mi::bench

int main(int argc, char** argv) {
    using namespace mi::bench;
    const int zeilen = optionLesen(argc, argv, "zeilen").value_or(QStringLiteral("32767")).toInt();
    if (const auto datei = optionLesen(argc, argv, "importdatei")) {
        QFile ziel(*datei);
        const QByteArray inhalt = importdateiErzeugen(zeilen);
        return ziel.open(QIODevice::WriteOnly) && ziel.write(inhalt) == inhalt.size() ? 0 : 1;
    }
    if (const auto was = optionLesen(argc, argv, "einmal")) {
        return einmalMessen(*was, zeilen);
    }
    if (optionLesen(argc, argv, "planerordner")) {
        const Planerablage& ordner = vorratHolen().ordner;
        std::printf("%lld\n", static_cast<long long>(ordner.bytes(QStringLiteral(".dat")) +
                                                     ordner.bytes(QStringLiteral(".log"))));
        return 0;
    }
#ifdef __GLIBC__
    // The repetitions allocate and free the same megabytes. glibc decides from
    // the sizes freed so far whether to give them back to the system after
    // each run; when it does, the next run pays for fresh pages (a page fault
    // each, costly on a virtual machine) and the figure measures that
    // heuristic, not the step. So every run works in the memory its
    // predecessor used, whatever the sizes.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const Planerablage& ordner = vorratHolen().ordner;
    std::printf("Planner data folder: %d .dat files, %.2f MB; %d log books, %.2f MB\n",
                ordner.anzahl(QStringLiteral(".dat")),
                static_cast<double>(ordner.bytes(QStringLiteral(".dat"))) / (1024.0 * 1024.0),
                ordner.anzahl(QStringLiteral(".log")),
                static_cast<double>(ordner.bytes(QStringLiteral(".log"))) / (1024.0 * 1024.0));
    const auto zeilenzahlen = [](benchmark::internal::Benchmark* b) {
        b->Arg(4096)->Arg(8192)->Arg(16384)->Arg(32767);
        b->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity(benchmark::oN);
    };
    zeilenzahlen(benchmark::RegisterBenchmark("Importdatei_checken", &pruefen, Caches::Geleert));
    zeilenzahlen(benchmark::RegisterBenchmark("Mitarbeiterdaten_importieren", &importieren));
    benchmark::RegisterBenchmark("Importdatei_checken_warm", &pruefen, Caches::Warm)
        ->Arg(4096)
        ->Arg(32767)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
