// Whole files as the tests give them to the program and read back what it
// wrote.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// A file's bytes, "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The file made to hold exactly these bytes.
inline void writeFileBytes(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), bytes.size()), bytes.size()) << path.toStdString();
}
