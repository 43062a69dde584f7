// Reading and writing files at the descriptor: a file the user chose,
// opened for reading only when it is a regular file, and a whole buffer
// written whatever a single write takes.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cerrno>
#include <cstdint>

// The errno a file that is no regular file is refused with: EISDIR for a
// folder, this for a FIFO, a device or a socket.
inline constexpr int kNotARegularFile = EINVAL;

struct FileForReading {
    int fd = -1;        // -1 when the open failed
    int64_t length = 0; // the file's length when it was opened
    int error = 0;      // the errno of the failure
};

// Opens a regular file read-only and close-on-exec, never waiting: any other
// kind (a folder, a FIFO, a device, a socket) is refused unopened.
FileForReading openForReading(const QString& path);

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
