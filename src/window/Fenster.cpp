#include "window/Fenster.h"

#include "base/Fehler.h"
#include "services/Dienste.h"
#include "window/Mauszeiger.h"
#include "window/Zustandsbilder.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <algorithm>

namespace mi {

namespace {

// The window's layout in twips (1/1440 inch), positions relative to the
// window's client area or to the step's frame.
struct Twips {
    int links;
    int oben;
    int breite;
    int hoehe;
};

constexpr int FensterBreite = 4260;
constexpr int FensterHoehe = 6360;
constexpr std::array<int, 4> RahmenOben{240, 1560, 2880, 4200};
constexpr Twips Rahmen{300, 0, 3645, 1095};
constexpr Twips Icon{150, 510, 255, 255};
constexpr Twips Schrittknopf{510, 450, 2895, 375};
constexpr Twips Schliessknopf{1222, 5640, 1800, 375};

constexpr int TwipsJeZoll = 1440;

QString nummerieren(const char* name, int n) {
    return QLatin1String(name) + QString::number(n);
}

const QString& bildBeschreiben(const Texte& t, Bild bild) {
    switch (bild) {
        case Bild::OK:
            return t.schrittErledigt;
        case Bild::Pfeil:
            return t.schrittAktuell;
        case Bild::Inaktiv:
            break;
    }
    return t.schrittNichtOffen;
}

// Qt 6.4 tells a widget only that its window moved to another screen, which on
// Windows includes a move to a monitor of another scale; from 6.6 on it also
// tells of a new scale of the same screen.
bool neuerMassstab(QEvent::Type art) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (art == QEvent::DevicePixelRatioChange) {
        return true;
    }
#endif
    return art == QEvent::ScreenChangeInternal;
}

}  // namespace

frmMitarbeiterImport::frmMitarbeiterImport(Dienste& dienste, const Startwerte& start,
                                           const Planerordner& ordner, Schrittprozeduren prozeduren,
                                           QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      dienste_(dienste),
      assistent_(dienste, start, ordner, std::move(prozeduren)) {
    setObjectName(QStringLiteral("frmMitarbeiterImport"));
    // Where the Windows font is missing, its metric twins keep the texts inside
    // their frames and buttons.
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans")});
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(9.75);
    setFont(schrift);

    // Creation order is the tab order: Close first, then each frame with its button.
    knoepfe_.at(stelleBerechnen(Knopf::Schliessen)) = new QPushButton(this);
    for (const Schritt s : AlleSchritte) {
        const int n = nummerLesen(s);
        auto* rahmen = new QGroupBox(this);
        rahmen->setObjectName(nummerieren("fraRahmen", n));
        auto* knopf = new QPushButton(rahmen);
        auto* icon = new QLabel(rahmen);
        icon->setObjectName(nummerieren("imgIcon", n));
        rahmen_.at(stelleBerechnen(s)) = rahmen;
        knoepfe_.at(stelleBerechnen(schrittknopfFinden(s))) = knopf;
        icons_.at(stelleBerechnen(s)) = icon;
    }
    for (const Knopf k : AlleKnoepfe) {
        cmdAuswahl(k)->setObjectName(nummerieren("cmdAuswahl", nummerLesen(k)));
        // Enter presses the button that has the focus, as Space does; outside a
        // dialog Qt leaves that off.
        cmdAuswahl(k)->setAutoDefault(true);
        connect(cmdAuswahl(k), &QPushButton::clicked, this, [this, k] { klicken(k); });
    }

    const std::array<std::pair<Bild, const char*>, 3> bilder{
        {{Bild::Inaktiv, "imgInaktiv"}, {Bild::Pfeil, "imgPfeil"}, {Bild::OK, "imgOK"}}};
    for (const auto& [bild, name] : bilder) {
        auto* halter = new QLabel(this);
        halter->setObjectName(QLatin1String(name));
        halter->hide();
        halter_.at(static_cast<std::size_t>(bild)) = halter;
    }
    if (!bilderZeichnen()) {
        fehlerAusloesen(fehlernummer::KomponenteFehlt);
    }

    setAcceptDrops(true);
    anordnen(0);

    assistent_.endbehandlungSetzen([this](const Programmende& ende) {
        close();
        if (endbehandlung_) {
            endbehandlung_(ende.status);
        }
    });
}

int frmMitarbeiterImport::waagerechtUmrechnen(int twips) const {
    return qRound(twips * static_cast<double>(logicalDpiX()) / TwipsJeZoll);
}

int frmMitarbeiterImport::senkrechtUmrechnen(int twips) const {
    return qRound(twips * static_cast<double>(logicalDpiY()) / TwipsJeZoll);
}

void frmMitarbeiterImport::anordnen(int zuschlagTwips) {
    const auto setzen = [this](QWidget* w, const Twips& t, int oben, int zuschlag) {
        w->setGeometry(waagerechtUmrechnen(t.links), senkrechtUmrechnen(oben),
                       waagerechtUmrechnen(t.breite + zuschlag), senkrechtUmrechnen(t.hoehe));
    };
    for (const Schritt s : AlleSchritte) {
        setzen(fraRahmen(s), Rahmen, RahmenOben.at(stelleBerechnen(s)), zuschlagTwips);
    }
    for (const Schritt s : AlleSchritte) {
        setzen(cmdAuswahl(schrittknopfFinden(s)), Schrittknopf, Schrittknopf.oben, zuschlagTwips);
        setzen(imgIcon(s), Icon, Icon.oben, 0);
    }
    setzen(cmdAuswahl(Knopf::Schliessen), Schliessknopf, Schliessknopf.oben, zuschlagTwips);
    setFixedSize(waagerechtUmrechnen(FensterBreite + zuschlagTwips),
                 senkrechtUmrechnen(FensterHoehe));
}

void frmMitarbeiterImport::Form_Load() {
    const Texte& t = dienste_.texte;
    setWindowTitle(t.programmtitel);
    for (const Schritt s : AlleSchritte) {
        const QString& text = t.rahmen.at(stelleBerechnen(s));
        fraRahmen(s)->setTitle(text);
        fraRahmen(s)->setAccessibleName(text);
        imgIcon(s)->setAccessibleName(text);
    }
    for (const Knopf k : AlleKnoepfe) {
        const QString& text = t.knoepfe.at(stelleBerechnen(k));
        cmdAuswahl(k)->setText(text);
        cmdAuswahl(k)->setAccessibleName(text);
    }
    anordnen(t.breitenzuschlagTwips);
    cmdAuswahl(Knopf::Schliessen)->setFocus();

    assistent_.Form_Load();
    if (!assistent_.beendet()) {
        darstellen();
    }
}

void frmMitarbeiterImport::klicken(Knopf knopf) {
    {
        // The check and the import read and write whole files, which takes a
        // while on a long list; their boxes bring the arrow back.
        std::optional<Mauszeiger> beschaeftigt;
        if (knopf == Knopf::Pruefen || knopf == Knopf::Importieren) {
            beschaeftigt.emplace(Qt::WaitCursor);
        }
        assistent_.cmdAuswahl_Click(knopf);
    }
    if (!assistent_.beendet()) {
        darstellen();
    }
}

void frmMitarbeiterImport::darstellen() {
    const Schrittzustaende& zustaende = assistent_.zustaende();
    // The focus on a step's button moves on with the steps, so a keyboard user
    // goes on where the work is and never lands on Close by surprise.
    const bool schrittImFokus =
        std::find(knoepfe_.begin(), knoepfe_.begin() + 4, focusWidget()) != knoepfe_.begin() + 4;
    zustandsbilderZeigen();
    for (const Schritt s : AlleSchritte) {
        fraRahmen(s)->setEnabled(zustaende.anzeige(s).rahmenAktiv);
        cmdAuswahl(schrittknopfFinden(s))->setEnabled(zustaende.anzeige(s).knopfAktiv);
    }
    if (schrittImFokus) {
        cmdAuswahl(fokusknopfFinden(zustaende.zustand()))->setFocus(Qt::OtherFocusReason);
    }
}

void frmMitarbeiterImport::zustandsbilderZeigen() {
    for (const Schritt s : AlleSchritte) {
        const Bild bild = assistent_.zustaende().anzeige(s).bild;
        imgIcon(s)->setPixmap(bildhalter(bild)->pixmap());
        // Qt's setter sends screen readers a DescriptionChanged event each
        // time, so only a new state is announced.
        const QString& text = bildBeschreiben(dienste_.texte, bild);
        if (imgIcon(s)->accessibleDescription() != text) {
            imgIcon(s)->setAccessibleDescription(text);
        }
    }
}

bool frmMitarbeiterImport::bilderZeichnen() {
    const qreal verhaeltnis = devicePixelRatioF();
    if (qFuzzyCompare(verhaeltnis, bildverhaeltnis_)) {
        return false;
    }
    std::array<QPixmap, 3> neu;
    for (std::size_t i = 0; i < neu.size(); ++i) {
        neu.at(i) = zustandsbildZeichnen(static_cast<Bild>(i), verhaeltnis);
        if (neu.at(i).isNull()) {
            return false;
        }
    }
    for (std::size_t i = 0; i < neu.size(); ++i) {
        halter_.at(i)->setPixmap(neu.at(i));
    }
    bildverhaeltnis_ = verhaeltnis;
    return true;
}

bool frmMitarbeiterImport::event(QEvent* ereignis) {
    const bool behandelt = QWidget::event(ereignis);
    if (neuerMassstab(ereignis->type()) && bilderZeichnen()) {
        zustandsbilderZeigen();
    }
    return behandelt;
}

std::optional<QString> frmMitarbeiterImport::ablageBeantworten(QDropEvent& ereignis) const {
    // A copy, never a move: the file manager must not delete the file it gave.
    std::optional<QString> pfad;
    if (ereignis.mimeData() != nullptr && ereignis.possibleActions().testFlag(Qt::CopyAction)) {
        pfad = assistent_.ablegbareImportdatei(ereignis.mimeData()->urls());
    }
    if (pfad) {
        ereignis.setDropAction(Qt::CopyAction);
        ereignis.accept();
    } else {
        ereignis.ignore();
    }
    return pfad;
}

void frmMitarbeiterImport::dragEnterEvent(QDragEnterEvent* ereignis) {
    // Qt keeps this answer for the moves over the window that follow; ignored,
    // the platform shows its no-drop cursor.
    ablageBeantworten(*ereignis);
}

void frmMitarbeiterImport::dropEvent(QDropEvent* ereignis) {
    if (const auto pfad = ablageBeantworten(*ereignis)) {
        assistent_.importdateiUebernehmen(*pfad);
        darstellen();
    }
}

void frmMitarbeiterImport::closeEvent(QCloseEvent* ereignis) {
    // The close box ends the program as Close does, in every state.
    if (!assistent_.beendet()) {
        assistent_.cmdAuswahl_Click(Knopf::Schliessen);
    }
    ereignis->accept();
}

}  // namespace mi

namespace mi {

std::unique_ptr<frmMitarbeiterImport> fensterOeffnen(Dienste& dienste, const Startwerte& start,
                                                     const Planerordner& ordner,
                                                     Schrittprozeduren prozeduren) {
    auto fenster =
        std::make_unique<frmMitarbeiterImport>(dienste, start, ordner, std::move(prozeduren));
    dienste.dialoge.elternfensterSetzen(fenster.get());
    fenster->Form_Load();
    if (!fenster->assistent().beendet()) {
        fenster->show();
    }
    return fenster;
}

}  // namespace mi
