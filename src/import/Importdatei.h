#pragma once

#include "import/ImportZeile.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace mi {

struct Dienste;

// The lines of a text as a spreadsheet or an editor writes it: CR LF, a lone LF
// and a lone CR each end one, since spreadsheets on other systems write LF. A
// last line end opens no further line.
class Importzeilen {
  public:
    explicit Importzeilen(QStringView text) : text_(text) {}

    bool ende() const { return pos_ >= text_.size(); }
    QStringView naechste();

  private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// The separator of a line: the most frequent of "," ";" ":" and tab, on a tie
// the later one in that order. Nothing when none of them occurs.
std::optional<QChar> Trennzeichen(Dienste& dienste, const QString& zeile);

// Reads the import file's rows and detects their separator. Nothing when the
// file is empty, its first line has no separator or it holds no data line; the
// user has then been told why. The channel is closed again in every case.
std::optional<Importdatei> Importdatei_lesen(Dienste& dienste, const QString& Importdateipfad);

// The import file's bytes as planner text: UTF-8 when the file starts with a
// byte-order mark or is valid UTF-8 with non-ASCII bytes, else Windows-1252.
// A character the planner's files cannot hold is read as "?".
QString importtextDekodieren(QByteArrayView bytes);

}  // namespace mi
