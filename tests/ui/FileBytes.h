#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

// Files compared byte for byte by the tests.
inline QByteArray bytesOf(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// "<manca>" for a missing file, which no expected content equals.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<manca>");
}

inline bool writeBytes(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}
