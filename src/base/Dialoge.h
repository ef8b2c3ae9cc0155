#pragma once

#include <QString>
#include <optional>

// The window the dialogs belong to, named only: the core shows no widget itself.
class QWidget;

namespace mi {

enum class Symbol { Warnung, Frage };
// JaAlleNein: Yes, Yes to All, No; only the check's row question has it.
enum class Boxknoepfe { OK, JaNein, JaAlleNein };
enum class Antwort { OK, Ja, JaAlle, Nein };

// One modal message box as the user sees it. Texts break lines with CR alone.
// Details, when there are any, stay hidden until the user asks for them.
struct Meldungsbox {
    QString titel;
    QString text;
    Symbol symbol = Symbol::Warnung;
    Boxknoepfe knoepfe = Boxknoepfe::OK;
    Antwort standard = Antwort::OK;
    QString details;
};

// The file-open dialog: one file type entry written "description|pattern",
// opening in startordner, accepting only an existing file.
struct Dateiwahl {
    QString titel;
    QString filter;
    QString startordner;
};

// The user's dialogs. Production binds them to Qt; tests bind a scripted fake.
class Dialoge {
  public:
    virtual ~Dialoge() = default;

    virtual Antwort zeigen(const Meldungsbox& box) = 0;
    // A modal chooser of real file-system folders, nothing preselected; the
    // chosen folder's full path with native separators, or "" on cancel.
    virtual QString ordnerWaehlen(const QString& titel) = 0;
    // The chosen file's full path with native separators, or nothing on cancel.
    virtual std::optional<QString> dateiWaehlen(const Dateiwahl& wahl) = 0;
    // The window every dialog is owned by from now on; dialogs that are not
    // windows of their own have no use for it.
    virtual void elternfensterSetzen(QWidget* /*fenster*/) {}
};

}  // namespace mi
