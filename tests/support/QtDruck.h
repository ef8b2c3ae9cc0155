#pragma once

// Lets GoogleTest show Qt values in failure messages instead of their bytes.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    QString sichtbar = text;
    sichtbar.replace(QChar(u'\r'), QStringLiteral("\\r"));
    *os << '"' << sichtbar.toStdString() << '"';
}

inline void PrintTo(QStringView text, std::ostream* os) {
    PrintTo(text.toString(), os);
}

inline void PrintTo(const QStringList& liste, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < liste.size(); ++i) {
        if (i > 0) {
            *os << ", ";
        }
        PrintTo(liste.at(i), os);
    }
    *os << '}';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << "bytes[" << bytes.size() << "] " << bytes.toHex(' ').toStdString();
}
