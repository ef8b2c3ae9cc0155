#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace mi {

// One row of the import file. After reading only Zeilentext is set; the check
// fills and normalises the other fields in place.
struct ImportZeile {
    QString Name;
    QString Benutzerkennung;
    QString VonDatum;
    QString BisDatum;
    QString Resturlaub;
    QString Urlaubsanspruch1;
    QString Urlaubsanspruch2;
    QString Urlaubsanspruch3;
    QString Urlaubsanspruch4;
    QString Sonderurlaub;
    QString Zeilentext;
};

// Row n of the user's messages is element n - 1.
using ImportTabelle = std::vector<ImportZeile>;

// What reading the import file gives: its rows and the separator they use.
struct Importdatei {
    ImportTabelle zeilen;
    QChar trennzeichen{u' '};
};

}  // namespace mi
