// Names that exist but are no regular file: every reader of whole files
// must refuse them at once, without waiting for a writer or reading forever.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

struct NotRegularFile {
    const char* kind;
    QString path;
};

// A FIFO that no one writes, an endless device and a folder, the first and
// last made in `folder`.
inline std::vector<NotRegularFile> notRegularFiles(const QString& folder) {
    const QString fifo = folder + QStringLiteral("/fifo");
    const QString subfolder = folder + QStringLiteral("/folder");
    EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(QDir().mkpath(subfolder));
    return {{"a FIFO with no writer", fifo},
            {"an endless device", QStringLiteral("/dev/zero")},
            {"a folder", subfolder}};
}
