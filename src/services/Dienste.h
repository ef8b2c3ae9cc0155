#pragma once

#include "base/Dateikanal.h"
#include "base/Dialoge.h"
#include "base/Plattform.h"
#include "texts/Sprache.h"
#include "texts/Texte.h"

namespace mi {

// The services every procedure may use: the texts of the build's language,
// the machine, the user's dialogs and the one file channel. Made once by the
// program's entry and handed down by reference; it holds no value of the
// wizard's session. Tests build a fresh one with fakes for every case.
struct Dienste {
    Dienste(Sprache s, Plattform& p, Dialoge& d)
        : sprache(s), texte(mi::texteWaehlen(s)), plattform(p), dialoge(d) {}
    Dienste(const Dienste&) = delete;
    Dienste& operator=(const Dienste&) = delete;

    const Sprache sprache;
    const Texte& texte;
    Plattform& plattform;
    Dialoge& dialoge;
    Dateikanal kanal;
};

}  // namespace mi
