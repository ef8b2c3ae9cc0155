#include "texts/Texte.h"
#include "texts/Programmtitel.h"

namespace mi {

std::optional<Sprache> spracheErkennen(QStringView kuerzel) {
    if (kuerzel == u"DE") {
        return Sprache::DE;
    }
    if (kuerzel == u"EN") {
        return Sprache::EN;
    }
    if (kuerzel == u"FR") {
        return Sprache::FR;
    }
    return std::nullopt;
}

namespace {

Texte deutscheTexteAnlegen() {
    Texte t;
    t.programmtitel = QStringLiteral(MI_PROGRAMMTITEL_DE);
    t.nichtInstalliert = QStringLiteral(
        "Sie müssen zuerst den Velmorat installieren.\r\rDas Programm wird beendet.");
    t.rahmen = {QStringLiteral("Schritt 1: Datenordner auswählen"),
                QStringLiteral("Schritt 2: Importdatei auswählen"),
                QStringLiteral("Schritt 3: Importdaten prüfen"),
                QStringLiteral("Schritt 4: Mitarbeiterdaten importieren")};
    t.knoepfe = {QStringLiteral("Datenordner auswählen ..."),
                 QStringLiteral("Importdatei auswählen ..."), QStringLiteral("Importdaten prüfen"),
                 QStringLiteral("Mitarbeiterdaten importieren"), QStringLiteral("Beenden")};
    t.schrittErledigt = QStringLiteral("erledigt");
    t.schrittAktuell = QStringLiteral("aktueller Schritt");
    t.schrittNichtOffen = QStringLiteral("noch nicht verfügbar");

    t.schlusszeile = QStringLiteral("Das Programm wird beendet.");
    t.fehlerberichtstext = QStringLiteral(
        "Es ist folgender Fehler aufgetreten in Modul '%1':\r\rFehler Nr. %2\r%3\r\r"
        "Das Programm wird beendet.");
    t.zitatAnfang = QStringLiteral("'");
    t.zitatEnde = QStringLiteral("'");

    t.dateiNichtGeoeffnet = QStringLiteral("Die Datei '%1' konnte nicht geöffnet werden.");
    t.zugriffsrechte = QStringLiteral(
        "Möglicherweise haben Sie keine ausreichenden Zugriffsrechte für diesen Ordner");
    t.endungLesen = QStringLiteral(" oder die Datei ist nicht vorhanden");
    t.endungSchreiben =
        QStringLiteral(", ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden");

    t.konfigNichtGefunden = QStringLiteral("Die Datei '%1Konfigdaten.dat' wurde nicht gefunden");
    t.konfigKopfVelmont =
        QStringLiteral("Der Dateiheader [Velmont] in 'Konfigdaten.dat' wurde nicht erkannt");
    t.konfigKopfFirma =
        QStringLiteral("Der Dateiheader [Firma] in 'Konfigdaten.dat' wurde nicht erkannt");
    t.konfigKopfSettings =
        QStringLiteral("Der Dateiheader [Settings] in 'Konfigdaten.dat' wurde nicht erkannt");
    t.konfigKopfAdministratoren = QStringLiteral(
        "Der Dateiheader [Administratoren] in 'Konfigdaten.dat' wurde nicht erkannt");
    t.mitarbeiterNichtGefunden =
        QStringLiteral("Die Datei '%1Mitarbeiterdaten.dat' wurde nicht gefunden");
    t.mitarbeiterKopf =
        QStringLiteral("Der Dateiheader in 'Mitarbeiterdaten.dat' wurde nicht erkannt");

    t.ordnerNichtAngelegt = QStringLiteral(
        "Der Ordner %1 konnte nicht angelegt werden.\r\rMöglicherweise haben Sie keine "
        "ausreichenden Zugriffsberechtigungen");
    t.ordnerKeinZugriff = QStringLiteral(
        "Auf den Ordner %1 konnte nicht zugegriffen werden.\r\rMöglicherweise ist der Ordner "
        "nicht vorhanden oder Sie haben keine ausreichenden Zugriffsberechtigungen in diesem "
        "Ordner");
    t.ordnerwahlTitel = QStringLiteral("Ordner mit Velmoratdaten auswählen:");
    t.ordnerwahlKeinZugriff = QStringLiteral(
        "Auf %1 kann nicht zugegriffen werden. Bitte wählen Sie einen anderen Ordner.");
    t.sprachordner = QStringLiteral("Velmoratdaten");
    t.keineDatenImOrdner = QStringLiteral("Im Ordner %1 wurden keine Velmoratdaten gefunden.");

    t.dateiwahlSchritt = QStringLiteral("Importdatei auswählen");
    t.dateiwahlFilter = QStringLiteral("CSV (Trennzeichen-getrennt) (*.csv)|*.csv");

    t.importdateiLeer = QStringLiteral("Importdatei %1 ist leer");
    t.keinTrennzeichen = QStringLiteral(
        "Kein Trennzeichen ',', ';', ':' oder 'Tabulator' in erster Zeile der Importdatei %1 "
        "gefunden");
    t.keineTextdatei = QStringLiteral(
        "Importdatei %1 ist keine Textdatei. Speichern Sie sie als CSV und wählen Sie sie "
        "erneut aus.");
    t.ueberlesenEine =
        QStringLiteral("1 Zeile der Importdatei ohne das Trennzeichen '%1' wurde übergangen.");
    t.ueberlesenMehrere =
        QStringLiteral("%1 Zeilen der Importdatei ohne das Trennzeichen '%2' wurden übergangen.");
    t.ueberlesenDetail = QStringLiteral("Zeile %1 der Importdatei übergangen: %2");
    t.tabulator = QStringLiteral("Tabulator");

    t.zeilenkopf = QStringLiteral("Fehler in Zeile ");
    t.frageFortsetzen = QStringLiteral("Möchten Sie fortsetzen?");
    t.unzulaessigesZeichen = QStringLiteral("Unzulässiges Zeichen ':' oder '|' enthalten");
    t.nameLeer = QStringLiteral("Feld Name ist leer");
    t.ersatzname = QStringLiteral("Name %1");
    t.vonDatumUngueltig = QStringLiteral("'Von-Datum' %1 ist fehlerhaft");
    t.bisDatumUngueltig = QStringLiteral("'Bis-Datum' %1 ist fehlerhaft");
    t.vonNachBis = QStringLiteral("'Von-Datum' ist größer als 'Bis-Datum'");
    t.resturlaubKeineZahl = QStringLiteral("Resturlaub %1 nicht nummerisch");
    t.anspruchKeineZahl = QStringLiteral("Urlaubsanspruch %1 nicht nummerisch");
    t.sonderurlaubKeineZahl = QStringLiteral("Sonderurlaub %1 nicht nummerisch");
    t.doppelt = QStringLiteral("Name/Benutzerkennung %1 ist doppelt vorhanden");
    t.keinAdministrator = QStringLiteral(
        "Sie sind nicht als Administrator im Velmorat eingetragen und nicht zum Import der "
        "Mitarbeiterdaten berechtigt");
    t.pruefungMitFehlern = QStringLiteral(
        "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den "
        "Importdaten und wiederholen Sie die Prüfung.");
    t.pruefungFehlerfrei = QStringLiteral("Prüfen der Importdaten fehlerfrei");
    t.spaltenanzahl = QStringLiteral("Ungültige Anzahl an Spalten");
    t.spaltenHinweis = QStringLiteral(
        "Vermutlicher Fehler: Das Trennzeichen der Importdatei '%1' ist in den Daten "
        "enthalten. Verwenden Sie dieses Zeichen nicht in den Importdaten oder verwenden Sie "
        "ein anderes Trennzeichen in der Importdatei.");
    t.fehlerzeile = QStringLiteral("%1: %2");
    t.spaltennamen = {QStringLiteral("Name"),
                      QStringLiteral("Benutzerkennung"),
                      QStringLiteral("Von-Datum"),
                      QStringLiteral("Bis-Datum"),
                      QStringLiteral("Resturlaub"),
                      QStringLiteral("Urlaubsanspruch 1"),
                      QStringLiteral("Urlaubsanspruch 2"),
                      QStringLiteral("Urlaubsanspruch 3"),
                      QStringLiteral("Urlaubsanspruch 4"),
                      QStringLiteral("Sonderurlaub")};
    t.fremdeZeichen =
        QStringLiteral("Feld %1 enthält Zeichen, die der Velmorat nicht speichern kann: %2");
    t.steuerzeichen = QStringLiteral("Feld %1 enthält Steuerzeichen: %2");
    t.umbruchInZelle = QStringLiteral("Zeilenumbruch innerhalb einer Zelle");
    t.offenesZitat = QStringLiteral("Anführungszeichen nicht geschlossen");

    t.ueberschreibenHinweis = QStringLiteral(
        "Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu importierenden "
        "Mitarbeiterdaten überschrieben.");
    t.ueberschreibenFrage = QStringLiteral("Möchten Sie fortsetzen?");
    t.backupFehlgeschlagen =
        QStringLiteral("Backup vor Importieren der Mitarbeiterdaten konnte nicht erstellt werden");
    t.importErfolgreich = QStringLiteral("Mitarbeiterdaten erfolgreich importiert");
    t.logtextImport = QStringLiteral("Mitarbeiterdaten importiert");
    return t;
}

Texte englischeTexteAnlegen() {
    Texte t;
    t.programmtitel = QStringLiteral(MI_PROGRAMMTITEL_EN);
    t.nichtInstalliert =
        QStringLiteral("You have to install the Velmora first.\r\rProgram will be closed.");
    t.rahmen = {QStringLiteral("Step 1: Select Data Folder"),
                QStringLiteral("Step 2: Select Import File"),
                QStringLiteral("Step 3: Check Import Data"),
                QStringLiteral("Step 4: Import Employee Data")};
    t.knoepfe = {QStringLiteral("Select Data Folder ..."), QStringLiteral("Select Import File ..."),
                 QStringLiteral("Check Import Data"), QStringLiteral("Import Employee Data"),
                 QStringLiteral("Close")};
    t.schrittErledigt = QStringLiteral("done");
    t.schrittAktuell = QStringLiteral("current step");
    t.schrittNichtOffen = QStringLiteral("not yet available");

    t.schlusszeile = QStringLiteral("Program will be closed.");
    t.fehlerberichtstext = QStringLiteral(
        "The following error occurred in module '%1':\r\rError Nr. %2\r%3\r\r"
        "Program will be closed.");
    t.zitatAnfang = QStringLiteral("'");
    t.zitatEnde = QStringLiteral("'");

    t.dateiNichtGeoeffnet = QStringLiteral("Couldn't open file '%1'.");
    t.zugriffsrechte =
        QStringLiteral("You probably don't have sufficient access rights to this folder");
    t.endungLesen = QStringLiteral(" or the file doesn't exist");
    t.endungSchreiben = QStringLiteral(", the file is write protected or the file doesn't exist");

    t.konfigNichtGefunden = QStringLiteral("File '%1Konfigdaten.dat' not found");
    t.konfigKopfVelmont = QStringLiteral("Header of file 'Konfigdaten.dat' not detected");
    t.konfigKopfFirma = QStringLiteral("Header [Firma] in 'Konfigdaten.dat' not detected");
    t.konfigKopfSettings = QStringLiteral("Header [Settings] in 'Konfigdaten.dat' not detected");
    t.konfigKopfAdministratoren =
        QStringLiteral("Header [Administratoren] in 'Konfigdaten.dat' not detected");
    t.mitarbeiterNichtGefunden = QStringLiteral("File '%1Mitarbeiterdaten.dat' not found");
    t.mitarbeiterKopf = QStringLiteral("Header of file 'Mitarbeiterdaten.dat' not detected");

    t.ordnerNichtAngelegt = QStringLiteral(
        "Folder %1 couldn't be created.\r\rYou probably don't have sufficient access rights");
    t.ordnerKeinZugriff = QStringLiteral(
        "No access to folder %1.\r\rThe folder probably doesn't exist or you don't have "
        "sufficient access rights to this folder");
    t.ordnerwahlTitel = QStringLiteral("Browse for data folder:");
    t.ordnerwahlKeinZugriff = QStringLiteral("No access to %1. Choose another folder.");
    t.sprachordner = QStringLiteral("VelmoraData");
    t.keineDatenImOrdner = QStringLiteral("No data found in folder %1.");

    t.dateiwahlSchritt = QStringLiteral("Select Import File");
    t.dateiwahlFilter = QStringLiteral("CSV (Comma delimited) (*.csv)|*.csv");

    t.importdateiLeer = QStringLiteral("Import file %1 is empty");
    t.keinTrennzeichen = QStringLiteral(
        "No separator ',', ';', ':' or 'Tab' found in the first row of the import file %1");
    t.keineTextdatei =
        QStringLiteral("Import file %1 is not a text file. Save it as CSV and select it again.");
    t.ueberlesenEine = QStringLiteral("1 line without the separator '%1' was passed over.");
    t.ueberlesenMehrere = QStringLiteral("%1 lines without the separator '%2' were passed over.");
    t.ueberlesenDetail = QStringLiteral("Line %1 passed over: %2");
    t.tabulator = QStringLiteral("Tab");

    t.zeilenkopf = QStringLiteral("Error in row ");
    t.frageFortsetzen = QStringLiteral("Do you want to continue?");
    t.unzulaessigesZeichen = QStringLiteral("Invalid character ':' or '|' found");
    t.nameLeer = QStringLiteral("Field Name is empty");
    t.ersatzname = QStringLiteral("Name %1");
    t.vonDatumUngueltig = QStringLiteral("Date %1 is invalid");
    t.bisDatumUngueltig = QStringLiteral("Date %1 is invalid");
    t.vonNachBis = QStringLiteral("First date greater than second date");
    t.resturlaubKeineZahl = QStringLiteral("Residual vacation %1 not numeric");
    t.anspruchKeineZahl = QStringLiteral("Vacation entitlement %1 not numeric");
    t.sonderurlaubKeineZahl = QStringLiteral("Additional vacation %1 not numeric");
    t.doppelt = QStringLiteral("Name/Windows User Name %1 exists twice");
    t.keinAdministrator = QStringLiteral(
        "You are not administrator of the Velmora and you don't have permission to import "
        "employee data.");
    t.pruefungMitFehlern = QStringLiteral(
        "Testing completed. Errors found. Fix the errors in the import data and repeat the "
        "test.");
    t.pruefungFehlerfrei = QStringLiteral("Testing completed. No errors found.");
    t.spaltenanzahl = QStringLiteral("Invalid number of columns");
    t.spaltenHinweis = QStringLiteral(
        "Probably the delimiter in the import file '%1' is contained in the import data. Do "
        "not use this character in the import data or use a different delimiter in the import "
        "file.");
    t.fehlerzeile = QStringLiteral("%1: %2");
    t.spaltennamen = {QStringLiteral("Name"),
                      QStringLiteral("Windows User Name"),
                      QStringLiteral("First date"),
                      QStringLiteral("Second date"),
                      QStringLiteral("Residual vacation"),
                      QStringLiteral("Vacation entitlement 1"),
                      QStringLiteral("Vacation entitlement 2"),
                      QStringLiteral("Vacation entitlement 3"),
                      QStringLiteral("Vacation entitlement 4"),
                      QStringLiteral("Additional vacation")};
    t.fremdeZeichen = QStringLiteral("Field %1 holds characters the Velmora cannot store: %2");
    t.steuerzeichen = QStringLiteral("Field %1 holds control characters: %2");
    t.umbruchInZelle = QStringLiteral("Line break inside a cell");
    t.offenesZitat = QStringLiteral("Quotation mark not closed");

    t.ueberschreibenHinweis = QStringLiteral(
        "Employee data already exist. Existing data will be overwritten by the import data.");
    t.ueberschreibenFrage = QStringLiteral("Do you want to continue?");
    t.backupFehlgeschlagen = QStringLiteral("Backup before importing employee data failed");
    t.importErfolgreich = QStringLiteral("Data successfully imported");
    t.logtextImport = QStringLiteral("Import employee data");
    return t;
}

Texte franzoesischeTexteAnlegen() {
    Texte t;
    t.programmtitel = QStringLiteral(MI_PROGRAMMTITEL_FR);
    t.nichtInstalliert =
        QStringLiteral("Le logiciel Velmoral n'est pas installé.\r\rLe programme va être fermé.");
    t.rahmen = {QStringLiteral("Etape 1 : Sélection du Dossier de Données"),
                QStringLiteral("Etape 2 : Sélection du Fichier d'Import"),
                QStringLiteral("Etape 3 : Vérification des Données d'Import"),
                QStringLiteral("Etape 4 : Import des Employés")};
    t.knoepfe = {QStringLiteral("Sélection du Dossier de Données ..."),
                 QStringLiteral("Sélection du Fichier d'Import ..."),
                 QStringLiteral("Vérification des Données d'Import"),
                 QStringLiteral("Import des Employés"), QStringLiteral("Fermer")};
    t.breitenzuschlagTwips = 480;
    t.schrittErledigt = QStringLiteral("terminée");
    t.schrittAktuell = QStringLiteral("étape en cours");
    t.schrittNichtOffen = QStringLiteral("pas encore disponible");

    t.schlusszeile = QStringLiteral("Le programme va être fermé.");
    t.fehlerberichtstext = QStringLiteral(
        "L'erreur suivante est survenue au module « %1 » :\r\rErreur N° %2\r%3\r\r"
        "Le programme va être fermé.");
    t.zitatAnfang = QStringLiteral("« ");
    t.zitatEnde = QStringLiteral(" »");

    t.dateiNichtGeoeffnet = QStringLiteral("Impossible d'ouvrir le fichier « %1 ».");
    t.zugriffsrechte =
        QStringLiteral("Vous n'avez probablement pas de droits d'accès suffisants pour ce dossier");
    t.endungLesen = QStringLiteral(" ou le fichier n'existe pas");
    t.endungSchreiben =
        QStringLiteral(", le fichier est protégé en écriture ou le fichier n'existe pas");

    t.konfigNichtGefunden = QStringLiteral("Fichier « %1Konfigdaten.dat » non trouvé");
    t.konfigKopfVelmont =
        QStringLiteral("Le header du fichier « Konfigdaten.dat » n'a pas été détecté");
    t.konfigKopfFirma =
        QStringLiteral("Le header [Firma] dans « Konfigdaten.dat » n'a pas été détecté");
    t.konfigKopfSettings =
        QStringLiteral("Le header [Settings] dans « Konfigdaten.dat » n'a pas été détecté");
    t.konfigKopfAdministratoren =
        QStringLiteral("Le header [Administratoren] dans « Konfigdaten.dat » n'a pas été détecté");
    t.mitarbeiterNichtGefunden = QStringLiteral("Fichier « %1Mitarbeiterdaten.dat » non trouvé");
    t.mitarbeiterKopf =
        QStringLiteral("Le header du fichier « Mitarbeiterdaten.dat » n'a pas été détecté");

    t.ordnerNichtAngelegt = QStringLiteral(
        "Le dossier %1 n'a pas pu être créé.\r\rVous n'avez probablement pas les droits "
        "suffisants");
    t.ordnerKeinZugriff = QStringLiteral(
        "Le dossier %1 n'est pas accessible.\r\rLe dossier n'existe probablement pas ou vous "
        "n'avez pas les droits suffisants");
    t.ordnerwahlTitel = QStringLiteral("Sélectionnez le Dossier de Données :");
    t.ordnerwahlKeinZugriff = QStringLiteral("Accès impossible à %1. Choisissez un autre dossier.");
    t.sprachordner = QStringLiteral("Velmoral");
    t.keineDatenImOrdner = QStringLiteral("Aucune donnée trouvée dans le dossier %1.");

    t.dateiwahlSchritt = QStringLiteral("Sélection du Fichier d'Import");
    t.dateiwahlFilter = QStringLiteral("CSV (Séparé par des virgules) (*.csv)|*.csv");

    t.importdateiLeer = QStringLiteral("Le fichier d'import %1 est vide");
    t.keinTrennzeichen = QStringLiteral(
        "Aucun séparateur « , », « ; », « : » ou « Tab » trouvé dans le fichier d'import %1");
    t.keineTextdatei = QStringLiteral(
        "Le fichier d'import %1 n'est pas un fichier texte. Enregistrez-le au format CSV et "
        "sélectionnez-le à nouveau.");
    t.ueberlesenEine = QStringLiteral("1 ligne sans le séparateur « %1 » a été ignorée.");
    t.ueberlesenMehrere = QStringLiteral("%1 lignes sans le séparateur « %2 » ont été ignorées.");
    t.ueberlesenDetail = QStringLiteral("Ligne %1 ignorée : %2");
    t.tabulator = QStringLiteral("Tab");
    t.kopfzeilenSchwelle = 9;

    t.zeilenkopf = QStringLiteral("Erreur à l'enregistrement numéro ");
    t.frageFortsetzen = QStringLiteral("Voulez-vous continuer ?");
    t.unzulaessigesZeichen = QStringLiteral("Caractère « : » ou « | » non valide");
    t.nameLeer = QStringLiteral("Le champ Nom est vide");
    t.ersatzname = QStringLiteral("Name %1");
    t.vonDatumUngueltig = QStringLiteral("La date %1 est invalide");
    t.bisDatumUngueltig = QStringLiteral("La date %1 est invalide");
    t.vonNachBis = QStringLiteral("Première date postérieure à la deuxième date");
    t.resturlaubKeineZahl = QStringLiteral("Reliquat CP %1 n'est pas un nombre");
    t.anspruchKeineZahl = QStringLiteral("Droits CP %1 n'est pas un nombre");
    t.sonderurlaubKeineZahl = QStringLiteral("RTT %1 n'est pas un nombre");
    t.doppelt = QStringLiteral("Nom/Nom d'Utilisateur Windows %1 est en double");
    t.keinAdministrator = QStringLiteral(
        "Vous n'êtes pas administrateur du logiciel. Vous n'avez pas les permissions pour "
        "importer des employés.");
    t.pruefungMitFehlern = QStringLiteral(
        "Test terminé. Erreurs trouvées. Corrigez les erreurs dans les données à importer et "
        "faites le test à nouveau.");
    t.pruefungFehlerfrei = QStringLiteral("Test terminé. Aucune erreur trouvée.");
    t.spaltenanzahl = QStringLiteral("Nombre de colonnes invalide");
    t.spaltenHinweis = QStringLiteral(
        "Le séparateur « %1 » du fichier d'import est probablement inclus dans les données. "
        "N'utilisez pas ce séparateur dans les données à importer ou utilisez un séparateur "
        "différent.");
    t.fehlerzeile = QStringLiteral("%1 : %2");
    t.spaltennamen = {QStringLiteral("Nom"),           QStringLiteral("Nom d'Utilisateur Windows"),
                      QStringLiteral("Première date"), QStringLiteral("Deuxième date"),
                      QStringLiteral("Reliquat CP"),   QStringLiteral("Droits CP 1"),
                      QStringLiteral("Droits CP 2"),   QStringLiteral("Droits CP 3"),
                      QStringLiteral("Droits CP 4"),   QStringLiteral("RTT")};
    t.fremdeZeichen = QStringLiteral(
        "Le champ %1 contient des caractères que le logiciel ne peut pas enregistrer : %2");
    t.steuerzeichen = QStringLiteral("Le champ %1 contient des caractères de contrôle : %2");
    t.umbruchInZelle = QStringLiteral("Saut de ligne dans une cellule");
    t.offenesZitat = QStringLiteral("Guillemet non fermé");

    t.ueberschreibenHinweis = QStringLiteral(
        "Des employés sont déjà déclarés. L'import effacera toutes les données existantes "
        "avant d'ajouter les nouveaux employés.");
    t.ueberschreibenFrage = QStringLiteral("Voulez-vous continuer ?");
    t.backupFehlgeschlagen = QStringLiteral("La sauvegarde avant l'import a échoué");
    t.importErfolgreich = QStringLiteral("Données importées correctement");
    t.logtextImport = QStringLiteral("Import des Employés");
    return t;
}

}  // namespace

const Texte& texteWaehlen(Sprache sprache) {
    static const Texte de = deutscheTexteAnlegen();
    static const Texte en = englischeTexteAnlegen();
    static const Texte fr = franzoesischeTexteAnlegen();
    switch (sprache) {
        case Sprache::DE:
            return de;
        case Sprache::FR:
            return fr;
        case Sprache::EN:
            break;
    }
    return en;
}

}  // namespace mi
