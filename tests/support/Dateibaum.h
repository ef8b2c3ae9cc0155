#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace mi::test {

// A temporary folder tree for one test, removed afterwards. Paths come back
// with native separators; names are given with "/" and converted.
class Dateibaum {
  public:
    Dateibaum();

    // The root, with a trailing native separator.
    QString wurzel() const;
    // Full native path of a relative name.
    QString pfad(const QString& relativ) const;

    QString unterordnerAnlegen(
        const QString& relativ);  // creates it with its parents; returns pfad + separator
    QString dateiAnlegen(const QString& relativ, const QByteArray& inhalt = {});
    // A planner file: each line scrambled with start byte 65 + i % 100, CR LF after each.
    QString planerdateiAnlegen(const QString& relativ, const QStringList& zeilen);

    static QByteArray lesen(const QString& pfad);
    // The plain lines of a scrambled planner file.
    static QStringList planerzeilenLesen(const QString& pfad);

  private:
    QTemporaryDir dir_;
};

}  // namespace mi::test
