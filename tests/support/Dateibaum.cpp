#include "Dateibaum.h"

#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mi::test {

Dateibaum::Dateibaum() {
    EXPECT_TRUE(dir_.isValid());
}

QString Dateibaum::wurzel() const {
    return QDir::toNativeSeparators(dir_.path()) + QDir::separator();
}

QString Dateibaum::pfad(const QString& relativ) const {
    return wurzel() + QDir::toNativeSeparators(relativ);
}

QString Dateibaum::unterordnerAnlegen(const QString& relativ) {
    EXPECT_TRUE(QDir().mkpath(pfad(relativ)));
    return pfad(relativ) + QDir::separator();
}

QString Dateibaum::dateiAnlegen(const QString& relativ, const QByteArray& inhalt) {
    QString ziel = pfad(relativ);
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    QFile f(ziel);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    return ziel;
}

QString Dateibaum::planerdateiAnlegen(const QString& relativ, const QStringList& zeilen) {
    QByteArray inhalt;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto start = static_cast<std::uint8_t>(65 + i % 100);
        inhalt += zeileVerschluesseln(cp1252Kodieren(zeilen.at(i)), start) + "\r\n";
    }
    return dateiAnlegen(relativ, inhalt);
}

QByteArray Dateibaum::lesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << pfad.toStdString();
        return {};
    }
    return f.readAll();
}

QStringList Dateibaum::planerzeilenLesen(const QString& pfad) {
    QStringList zeilen;
    const QByteArray inhalt = lesen(pfad);
    for (const QByteArray& roh : inhalt.split('\n')) {
        QByteArray zeile = roh;
        if (zeile.endsWith('\r')) {
            zeile.chop(1);
        }
        if (!zeile.isEmpty()) {
            zeilen.append(cp1252Dekodieren(zeileEntschluesseln(zeile)));
        }
    }
    return zeilen;
}

}  // namespace mi::test
