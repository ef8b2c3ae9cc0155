#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace mi {

// One row of the import file. After reading only Zeilentext is set; the check
// fills and normalises the other fields in place. Tens of thousands of rows are
// read and checked without a string of their own each: the fields point into
// the text and the checked values their Importdatei keeps (QString::fromRawData),
// so a row is only valid together with its Importdatei.
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

// What reading the import file gives: its rows and the separator they use,
// with the text and the checked values the rows point into. Moved or copied
// whole, never apart, and never changed once the rows point into it.
struct Importdatei {
    ImportTabelle zeilen;
    QChar trennzeichen{u' '};
    QString text;   // the file, decoded
    QString werte;  // the dates and day values the check wrote
};

}  // namespace mi
