#pragma once

#include "wizard/Assistent.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QPushButton;

namespace mi {

struct Dienste;

// The wizard window: four step frames with icon and button, and Close. It only
// shows what the Assistent holds; every click goes to the Assistent, and when
// the program ends the window closes and tells whoever runs the event loop.
class frmMitarbeiterImport : public QWidget {
  public:
    // Builds the controls. Raises error 339 when a part of the window cannot be
    // made, which start-up takes to mean the planner is not installed.
    frmMitarbeiterImport(Dienste& dienste, const Startwerte& start, const Planerordner& ordner,
                         Schrittprozeduren prozeduren = Schrittprozeduren::standard(),
                         QWidget* eltern = nullptr);

    // Caption, texts and widths of the language, then the step states.
    void Form_Load();

    // Called after the window closed at the program's end, with the exit status.
    void endbehandlungSetzen(std::function<void(int)> aktion) {
        endbehandlung_ = std::move(aktion);
    }

    Assistent& assistent() { return assistent_; }
    QGroupBox* fraRahmen(Schritt s) const { return rahmen_.at(stelleBerechnen(s)); }
    QPushButton* cmdAuswahl(Knopf k) const { return knoepfe_.at(stelleBerechnen(k)); }
    QLabel* imgIcon(Schritt s) const { return icons_.at(stelleBerechnen(s)); }
    QLabel* bildhalter(Bild bild) const { return halter_.at(static_cast<std::size_t>(bild)); }

    // Twips to pixels at this window's logical resolution.
    int waagerechtUmrechnen(int twips) const;
    int senkrechtUmrechnen(int twips) const;

  protected:
    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

  private:
    void klicken(Knopf knopf);
    void darstellen();
    void zustandsbilderZeigen();
    // Draws the three state pictures anew when the window's pixel ratio is not
    // the one they were drawn at; true when it did. Pictures that cannot be
    // made leave the old ones.
    bool bilderZeichnen();
    std::optional<QString> ablageBeantworten(QDropEvent& ereignis) const;
    void anordnen(int zuschlagTwips);

    Dienste& dienste_;
    Assistent assistent_;
    std::function<void(int)> endbehandlung_;
    std::array<QGroupBox*, 4> rahmen_{};
    std::array<QPushButton*, 5> knoepfe_{};
    std::array<QLabel*, 4> icons_{};
    std::array<QLabel*, 3> halter_{};  // Inaktiv, Pfeil, OK
    qreal bildverhaeltnis_ = 0;        // the pixel ratio the holders were drawn at
};

// The one way the window comes up, for the program, the walk-through and the
// tests alike: made over what start-up found, the dialogs bound to it, loaded,
// and shown unless loading ended the program already.
std::unique_ptr<frmMitarbeiterImport> fensterOeffnen(
    Dienste& dienste, const Startwerte& start, const Planerordner& ordner,
    Schrittprozeduren prozeduren = Schrittprozeduren::standard());

}  // namespace mi
