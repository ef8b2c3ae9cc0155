#pragma once

#include <QByteArrayView>
#include <QString>

namespace mi {

struct Laufzeit;

// Chooses Importtrennzeichen from a line: the most frequent of "," ";" ":" and
// tab, on a tie the later one in that order. False, and the separator left as
// it was, when none of them occurs.
bool Trennzeichen(Laufzeit& lz, const QString& zeile);

// Rebuilds ImportZeilen from the file at Importdateipfad. False when the file is
// empty, its first line has no separator or it holds no data line; the user has
// then been told why. The channel is closed again in every case.
bool Importdatei_lesen(Laufzeit& lz);

// The import file's bytes as planner text: UTF-8 when the file starts with a
// byte-order mark or is valid UTF-8 with non-ASCII bytes, else Windows-1252.
// A character the planner's files cannot hold is read as "?".
QString importtextDekodieren(QByteArrayView bytes);

}  // namespace mi
