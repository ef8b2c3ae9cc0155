#pragma once

#include <QApplication>

namespace mi {

// The mouse shows form over every window of the program while this lives; the
// cursor before comes back when it goes, however the scope is left.
class Mauszeiger {
  public:
    explicit Mauszeiger(Qt::CursorShape form) { QApplication::setOverrideCursor(form); }
    ~Mauszeiger() { QApplication::restoreOverrideCursor(); }
    Mauszeiger(const Mauszeiger&) = delete;
    Mauszeiger& operator=(const Mauszeiger&) = delete;
};

}  // namespace mi
