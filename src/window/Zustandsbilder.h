#pragma once

#include "wizard/Schrittzustaende.h"

#include <QPixmap>

namespace mi {

// Edge length of a state picture in logical pixels.
inline constexpr int Bildgroesse = 17;

// A state picture on a transparent background: a grey disc with a white arrow
// (not open), a red disc with a white arrow (current), a green disc with a white
// check mark (done). Drawn at the screen's pixel ratio so it stays crisp when
// the desktop is scaled.
QPixmap zustandsbildZeichnen(Bild bild, qreal pixelverhaeltnis);

}  // namespace mi
