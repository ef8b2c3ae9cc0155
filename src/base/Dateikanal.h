#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace mi {

enum class Kanalmodus { Input, Output, Append };

// The file "Output" writes: a save file, whose new content takes its target's
// place only once it is on the disk. Qt's own commit flushes too but ignores
// the result, so a target could be replaced by data that never arrived.
class Speicherdatei : public QSaveFile {
  public:
    using QSaveFile::QSaveFile;

    // Flushes what was written, checks, then puts it in the target's place:
    // 0, or the cause (61 for a full disk or an exhausted quota, 75 for any
    // other), the target then as it was. After a failed flush the temporary
    // file still exists until the file is dropped.
    std::int32_t zielErsetzen();

  protected:
    // What was written, onto the disk: 0 or the cause as above. A test device
    // answers as its test needs.
    virtual std::int32_t aufDatentraegerBringen();
};

// The one sequential text channel every file passes through: at most one file
// is open at a time. Lines are raw bytes here; the planner's text encoding is
// applied by the callers.
//
// "Output" never touches the target until the writer closes the channel after
// its last line: the lines go into a temporary file in the same folder that
// replaces the target only then, and only once it is on the disk, so a failure
// part-way leaves the old file.
// Its lines are gathered here and written in large pieces; the last piece goes
// out at the close, which is why a full disk may show only there.
//
// "Append" writes each line at once in a single write; a failed write cuts the
// file back to its length before the line, so no half line is ever left. A
// file it creates is made as "Output" makes one, so it appears only whole.
class Dateikanal {
  public:
    // Lets tests put a device of their own (one that fails after N bytes, say)
    // in place of the file; nullptr from the factory means "use the real file".
    // A device that is not open yet is opened as the mode opens a file; a
    // Speicherdatei or QFile keeps the channel's rules for "Output" and "Append".
    using Geraetefabrik =
        std::function<std::unique_ptr<QIODevice>(const QString& pfad, Kanalmodus modus)>;

    Dateikanal() = default;
    Dateikanal(const Dateikanal&) = delete;
    Dateikanal& operator=(const Dateikanal&) = delete;
    ~Dateikanal();

    bool offen() const { return geraet_ != nullptr; }
    // "Input": the file's size in bytes.
    qsizetype groesse() const { return modus_ == Kanalmodus::Input ? inhalt_.size() : 0; }
    std::optional<Kanalmodus> modus() const;
    const QString& pfad() const { return pfad_; }

    // Raises a Laufzeitfehler when the file cannot be opened; the channel is
    // then closed. Opening while a file is open is such a failure too.
    void oeffnen(const QString& pfad, Kanalmodus modus);

    // Reading ("Input"): a line ends at CR LF or at a lone CR; a lone LF is an
    // ordinary character. True once no further line can be read.
    bool dateiende() const;
    QByteArray zeileLesen();
    // The same line without a copy: valid until the next read or the close.
    QByteArrayView zeileAnsehen();
    // Every byte not read yet, for readers with line rules of their own.
    QByteArray restLesen();

    // Writing ("Output", "Append"): the line followed by CR LF. A failed write
    // raises a Laufzeitfehler (61 when the disk is full, else 75) after the
    // channel was closed: "Output" drops its temporary file, "Append" cuts back.
    void zeileSchreiben(QByteArrayView zeile);
    // The same for a line made in place: erzeuger writes at most hoechstens
    // bytes to the pointer it is given and returns how many it wrote. Lines
    // of megabytes of backup pass through here without a copy of their own.
    template <typename Erzeuger>
    void zeileErzeugen(qsizetype hoechstens, Erzeuger&& erzeuger) {
        zeileAbschliessen(erzeuger(zeilenplatzBereitstellen(hoechstens)));
    }

    // Closes the channel. An "Output" file is flushed to the disk and replaces
    // its target here; a failure of either raises a Laufzeitfehler (61 when the
    // disk is full, else 75) and leaves the target as it was. Closing a closed
    // channel does nothing.
    void schliessen();
    // Closes the channel and drops an "Output" file unwritten; for every ending
    // that is not the writer's own close after its last line.
    void verwerfen() noexcept;

    void geraetefabrikSetzen(Geraetefabrik fabrik) { fabrik_ = std::move(fabrik); }

    // How much "Output" gathers before it writes a piece.
    static constexpr qsizetype Schreibpuffer = qsizetype{64} * 1024;

  private:
    char* zeilenplatzBereitstellen(qsizetype hoechstens);
    void zeileAbschliessen(qsizetype laenge);
    void pufferSchreiben();
    void allesSchreiben(QByteArrayView bytes);
    [[noreturn]] void schreibfehlerAusloesen();

    std::unique_ptr<QIODevice> geraet_;
    // The open device when it is a save file, else nullptr.
    Speicherdatei* speicherdatei_ = nullptr;
    Kanalmodus modus_ = Kanalmodus::Input;
    QString pfad_;
    // "Input": the whole file; "Output": the lines not written yet; "Append":
    // the line being written.
    QByteArray inhalt_;
    // "Input": the next byte to read; "Output" and "Append": the bytes of
    // inhalt_ in use, the rest being room for the next lines.
    qsizetype position_ = 0;
    qint64 anhangStart_ = 0;
    Geraetefabrik fabrik_;
};

}  // namespace mi
