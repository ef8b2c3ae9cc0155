#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace mi {

struct Dienste;
class Plattform;

// The planner stores every line of its files scrambled: the first byte S is the
// line's own start value, and each kept byte is shifted by a rolling offset
// that starts at S AND 63. Bytes below 32 are dropped and take no offset.
QByteArray zeileVerschluesseln(QByteArrayView klartext, std::uint8_t start);
// zeile must hold at least its start byte.
QByteArray zeileEntschluesseln(QByteArrayView zeile);

// The same two written to ziel, which has room for klartext.size() + 1 bytes or
// zeile.size() - 1 bytes and lies apart from the input. The first returns the
// length of the stored line.
qsizetype verschluesseltSchreiben(QByteArrayView klartext, std::uint8_t start, char* ziel);
void entschluesseltSchreiben(QByteArrayView zeile, char* ziel);

// The start value for a new line from a uniform number in [0, 1): 32 to 254.
std::uint8_t startzeichenWaehlen(double zufall);

// The stored form of text with a freshly drawn start value, as LineOut writes
// it; a text longer than 32,767 characters is the error "Overflow".
QByteArray speicherformBilden(Plattform& plattform, const QString& text);

// Reads the next line from the channel and returns its plain text.
QString LineIn(Dienste& dienste);
// Scrambles text and writes it as one line on the channel.
void LineOut(Dienste& dienste, const QString& text);

// Opens the planner file name in Datenpfad for reading, under the spelling the
// folder really holds; ends the program with fehlt when there is none.
void planerdateiOeffnen(Dienste& dienste, const QString& Datenpfad, const QString& name,
                        const QString& fehlt);

// Reads the next line; ends the program with meldung unless it is kopf.
void kopfzeilePruefen(Dienste& dienste, const QString& kopf, const QString& meldung);

// The same two for lines that are copied unchanged, as a backup copies every
// line of the planner's data: their bytes, without the detour through text,
// which would give back the very same bytes. The reader gives the stored line
// as it is (valid until the next read), for entschluesseltSchreiben; the writer takes
// the plain bytes. Errors and their reports are those of LineIn and LineOut.
QByteArrayView gespeicherteZeileLesen(Dienste& dienste);
void klartextSchreiben(Dienste& dienste, QByteArrayView klartext);

}  // namespace mi
