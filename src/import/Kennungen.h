#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <utility>
#include <vector>

namespace mi {

// The user names seen so far, compared as their lower case forms compare. A
// name of plain ASCII (nearly every one) goes in as it is and is lowered
// character by character as it is hashed and compared; any other goes in
// lowered. Either way two names meet exactly when their lower case forms are
// equal, without a lowered copy of each of tens of thousands of names. A name
// with "|" goes in as its pieces, so there may be more names than rows: the
// table grows to stay at most half full, or a search would find no free slot.
class Kennungen {
  public:
    explicit Kennungen(std::size_t anzahl);

    // Adds the name; true when it was there already.
    bool einfuegen(const QString& kennung);

    // The hash the table places a name by: the same for every two names whose
    // lower case forms are equal.
    static std::size_t streuwertErmitteln(const QString& kennung);

  private:
    // A name as it goes in, with its hash.
    struct Schluessel {
        QString text;  // the name itself when it is plain ASCII, else lowered
        std::size_t h = 0;
        bool nurAscii = false;
    };
    static Schluessel schluesselBilden(const QString& kennung);

    struct Fach {
        std::int32_t eintrag = -1;  // an index into eintraege_, or -1
        std::uint32_t marke = 0;    // the upper half of the name's hash
    };

    template <typename Vergleich>
    std::pair<std::size_t, bool> suchen(QStringView s, std::size_t h, Vergleich vergleich) const;
    void wachsen();

    std::vector<QString> eintraege_;
    std::vector<Fach> faecher_;
};

}  // namespace mi
