#pragma once

#include "texts/Sprache.h"

#include <QString>
#include <array>

namespace mi {

// Every text the program shows or writes, one catalogue per language.
// Line breaks inside messages are the single CR (code 13), written \r.
// Placeholders are %1, %2 … for QString::arg, which fills them in one pass,
// so a path that itself contains "%1" is never expanded again.
struct Texte {
    // Start-up and the window
    QString programmtitel;
    QString nichtInstalliert;
    std::array<QString, 4> rahmen;
    std::array<QString, 5> knoepfe;
    int breitenzuschlagTwips = 0;  // frames, buttons and window are wider in French
    // What a screen reader says of a step's state picture
    QString schrittErledigt;
    QString schrittAktuell;
    QString schrittNichtOffen;

    // Messages and error reports
    QString schlusszeile;
    QString fehlerberichtstext;  // %1 location, %2 number, %3 description
    QString zitatAnfang;
    QString zitatEnde;

    // File channel
    QString dateiNichtGeoeffnet;  // %1 path
    QString zugriffsrechte;
    QString endungLesen;
    QString endungSchreiben;

    // Configuration and employee files
    QString konfigNichtGefunden;  // %1 data folder
    QString konfigKopfVelmont;
    QString konfigKopfFirma;
    QString konfigKopfSettings;
    QString konfigKopfAdministratoren;
    QString mitarbeiterNichtGefunden;  // %1 data folder
    QString mitarbeiterKopf;

    // Folders
    QString ordnerNichtAngelegt;  // %1 quoted path
    QString ordnerKeinZugriff;    // %1 quoted path
    QString ordnerwahlTitel;
    QString ordnerwahlKeinZugriff;  // %1 quoted path
    QString sprachordner;
    QString keineDatenImOrdner;  // %1 quoted path

    // Import file selection
    QString dateiwahlSchritt;
    QString dateiwahlFilter;  // description|pattern

    // Import file reading
    QString importdateiLeer;     // %1 quoted path
    QString keinTrennzeichen;    // %1 quoted path
    QString keineTextdatei;      // %1 quoted path
    QString ueberlesenEine;      // %1 separator: one line passed over for lacking it
    QString ueberlesenMehrere;   // %1 how many, %2 separator
    QString tabulator;           // the tab separator as the messages name it
    QString ueberlesenDetail;    // %1 line number, %2 its first characters
    int kopfzeilenSchwelle = 8;  // separators that complete a header

    // Import data check
    QString zeilenkopf;
    QString frageFortsetzen;
    QString unzulaessigesZeichen;
    QString nameLeer;
    QString ersatzname;         // %1 row index: the name a row without one is given
    QString vonDatumUngueltig;  // %1 value
    QString bisDatumUngueltig;  // %1 value
    QString vonNachBis;
    QString resturlaubKeineZahl;    // %1 value
    QString anspruchKeineZahl;      // %1 value
    QString sonderurlaubKeineZahl;  // %1 value
    QString doppelt;                // %1 value
    QString keinAdministrator;
    QString pruefungMitFehlern;
    QString pruefungFehlerfrei;
    QString spaltenanzahl;
    QString spaltenHinweis;  // %1 separator
    QString fehlerzeile;     // %1 row header, %2 fault text: one line of the list of faults
    std::array<QString, 10> spaltennamen;  // the ten columns, as the faults name them
    QString fremdeZeichen;                 // %1 column name, %2 the characters
    QString steuerzeichen;                 // %1 column name, %2 their codes
    QString umbruchInZelle;
    QString offenesZitat;

    // Import
    QString ueberschreibenHinweis;
    QString ueberschreibenFrage;
    QString backupFehlgeschlagen;
    QString importErfolgreich;
    QString logtextImport;
};

const Texte& texteWaehlen(Sprache sprache);

}  // namespace mi
