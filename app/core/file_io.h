// Reading and writing files at the descriptor: a file opened for reading
// (never a folder), and a whole buffer written whatever a single write
// takes.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

struct FileForReading {
    int fd = -1;        // -1 when the open failed
    int64_t length = 0; // the file's length when it was opened
    int error = 0;      // the errno of the failure (EISDIR for a folder)
};

// Opens the file read-only, close-on-exec, with any further open flags.
FileForReading openForReading(const QString& path, int extraFlags = 0);

struct FileForWriting {
    int fd = -1;   // -1 when the open failed or was refused
    int error = 0; // the errno of the failure
};

// Opens the file write-only, close-on-exec, created when missing, with any
// further open flags (O_TRUNC, O_APPEND), without waiting for a reader of a
// FIFO. One of the program's running parts is refused before anything is
// opened (runningPartError).
FileForWriting openForWriting(const QString& path, int extraFlags);

// Creates the file empty, or empties it; 0 or the errno of the failure.
int createEmptyFile(const QString& path);

// 0 once every byte is written, else the errno of the failing write (EIO
// where a write took nothing). A partial or interrupted write is carried on.
int writeAll(int fd, QByteArrayView bytes);
