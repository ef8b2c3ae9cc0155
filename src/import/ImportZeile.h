#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <type_traits>
#include <vector>

namespace mi {

// One row of the import file, as the check splits and normalises it. Tens of
// thousands of rows are checked without a string of their own each: the fields
// are views of the text, the checked values and the few texts of the check's
// own that their Importdatei keeps, so a row is only valid together with its
// Importdatei. Views keep a row small and leave nothing to release.
struct ImportZeile {
    QStringView Name;
    QStringView Benutzerkennung;
    QStringView VonDatum;
    QStringView BisDatum;
    QStringView Resturlaub;
    QStringView Urlaubsanspruch1;
    QStringView Urlaubsanspruch2;
    QStringView Urlaubsanspruch3;
    QStringView Urlaubsanspruch4;
    QStringView Sonderurlaub;
};

// Row n of the user's messages is element n - 1.
using ImportTabelle = std::vector<ImportZeile>;

// A row whose record is more than one line of the file: a quoted cell holds
// a line break, or its quote is still open at the end of the file.
struct Umbruch {
    std::size_t zeile;  // the row's index
    bool offen;
};

// A line the reader passed over for lacking the separator, as the check's
// closing message names it.
struct UeberleseneZeile {
    qsizetype zeile;  // its number in the file, counted from 1
    QString anfang;   // its first characters, control characters shown
};

// A member that makes its struct movable only, which stays a plain struct
// with named fields. A moved QString or vector keeps its characters and
// elements where they are, so views into them stay valid across a move.
struct Kopiersperre {
    Kopiersperre() = default;
    Kopiersperre(const Kopiersperre&) = delete;
    Kopiersperre& operator=(const Kopiersperre&) = delete;
    Kopiersperre(Kopiersperre&&) noexcept = default;
    Kopiersperre& operator=(Kopiersperre&&) noexcept = default;
    ~Kopiersperre() = default;
};

// What reading the import file gives: the lines that hold rows and the
// separator they use, with the text they point into; the check adds the rows,
// one per line, and the checked values they point into. A row is made once,
// whole, while its line is at hand: tens of thousands of rows are more than the
// processor's cache holds, so rows made empty by the reader and filled by the
// check would each go through memory twice. Moved whole, never apart, and
// never changed once the rows point into it. Never copied: a copy's rows
// would still point into the original.
struct Importdatei {
    std::vector<QStringView> zeilentexte;
    ImportTabelle ImportZeilen;
    QChar Importtrennzeichen{u' '};
    QString text;   // the file, decoded
    QString werte;  // the dates and day values the check wrote
    // What the check made up or unquoted (a name for a row without one, a
    // field with a doubled quote): few, and never changed once a row points
    // into one.
    std::vector<QString> eigene;
    std::vector<Umbruch> umbrueche{};  // in row order; nearly always none
    std::vector<UeberleseneZeile> ueberlesen{};
    Kopiersperre kopiersperre{};
};
static_assert(!std::is_copy_constructible_v<Importdatei> &&
              std::is_nothrow_move_constructible_v<Importdatei>);

}  // namespace mi
