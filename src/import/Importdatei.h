#pragma once

#include "import/ImportZeile.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace mi {

struct Dienste;
struct Texte;

// The lines of a text as a spreadsheet or an editor writes it: CR LF, a lone LF
// and a lone CR each end one, since spreadsheets on other systems write LF. A
// last line end opens no further line.
class Zeilenzerleger {
  public:
    explicit Zeilenzerleger(QStringView text) : text_(text) {}

    bool ende() const { return pos_ >= text_.size(); }
    QStringView abtrennen();
    // Where the next line starts.
    qsizetype position() const { return pos_; }

  private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// One record of the import file: a line, or the lines a quoted cell runs over.
struct Importsatz {
    QStringView text;
    qsizetype zeile = 0;     // its first line in the file, counted from 1
    bool umbrochen = false;  // a quoted cell holds a line break
    bool offen = false;      // a quote is still open at the end of the file
};

// The records of a text as spreadsheets write them (RFC 4180): a field that
// starts with a quote runs to its closing quote, a quote followed by the
// separator, a line end or the end of the file (a doubled quote is one
// quote), over line ends too. A field whose quote is followed by anything
// else is not quoted so: it is read as Feldzerleger reads it, up to the next
// separator of its line, and its quote quotes nothing. A quote still open at
// the end of the file takes the rest of the file. Lines end as Zeilenzerleger
// ends them; the quote-free lines, nearly all of them, are read in one search.
class Satzzerleger {
  public:
    Satzzerleger(QStringView text, QChar trennzeichen, qsizetype ab, qsizetype zeile)
        : text_(text), sep_(trennzeichen.unicode()), pos_(ab), zeile_(zeile) {}

    bool ende() const { return pos_ >= text_.size(); }
    Importsatz abtrennen();

  private:
    qsizetype zitatendeFinden(qsizetype von, Importsatz& satz) const;
    qsizetype feldzitatFinden(qsizetype feld, qsizetype zeile) const;
    qsizetype schlusszitatFinden(qsizetype quote) const;
    static qsizetype zeilenZaehlen(QStringView text);

    QStringView text_;
    char16_t sep_;
    qsizetype pos_;
    qsizetype zeile_;
};

// The fields of one line as spreadsheets write them (RFC 4180), in order. A
// field quoted that way (a quote, the text with every quote in it doubled, a
// quote right before the separator) is its text: a separator inside belongs to
// it, a doubled quote is one quote. Every other field, one whose quote never
// closes included, is read as before: up to the next separator, one quote at
// its start and one at its end dropped, every other quote kept. So no text is
// lost and none moves into another column unseen. The line's end counts as one
// more separator. A field without a doubled quote points into the line
// (QString::fromRawData), so the line must outlive it.
class Feldzerleger {
  public:
    Feldzerleger(QStringView zeile, QChar trennzeichen) : text_(zeile), sep_(trennzeichen) {}

    bool ende() const { return pos_ > text_.size(); }
    QString abtrennen();

  private:
    std::optional<QString> zitiertLesen();
    QString unzitiertLesen();

    QStringView text_;
    QChar sep_;
    qsizetype pos_ = 0;
};

// The separator of a line: the most frequent of "," ";" ":" and tab, on a tie
// the later one in that order. Nothing when none of them occurs.
std::optional<QChar> Trennzeichen(const QString& zeile);

// Reads the import file's rows and detects their separator. Nothing when the
// file is no text file, is empty, its first line has no separator or it holds
// no data line; the user has then been told why. The channel is closed again
// in every case.
std::optional<Importdatei> Importdatei_lesen(Dienste& dienste, const QString& Importdateipfad);

// The closing message's text with one more sentence on the lines the reader
// passed over, when it passed over any.
QString ueberleseneErwaehnen(const Texte& t, const Importdatei& datei, const QString& text);

// A closing message's details: the list of faults, then the lines passed over.
QString ueberleseneAuflisten(const Texte& t, const Importdatei& datei, const QString& fehlerliste);

// The text with each control character (below 32, and 127) shown as its
// picture (U+2400 to U+2421), for a message: a line break in a value must not
// break the message's lines.
QString steuerzeichenZeigen(QStringView text);

// The size of the pieces the import file's bytes are decoded in.
constexpr qsizetype Dekodierstueck = 16384;

// Whether the bytes are no text the program reads: a workbook (the zip of
// .xlsx and .ods, the compound file of .xls), UTF-32, or anything else that
// holds a NUL byte without being UTF-16.
bool istKeineTextdatei(QByteArrayView bytes);

// The import file's bytes as text, each character as the file holds it: by
// its byte-order mark UTF-8, UTF-16 LE or UTF-16 BE; without one UTF-8 when it
// is valid UTF-8, else Windows-1252. A file that is not valid UTF-8 but holds
// UTF-8 beyond ASCII (written by two programs, say) is read line by line, each
// line that is valid UTF-8 as such and every other one as Windows-1252; so is
// a file with the mark of UTF-8. UTF-16 that is not valid (a lone surrogate, a
// last odd byte) reads as U+FFFD, the character that stands for no character.
QString importtextDekodieren(QByteArrayView bytes);

}  // namespace mi
