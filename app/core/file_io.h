// Reading and writing files at the descriptor, the user's and the program's
// own: opened only when they are regular files (or, for a write, new ones),
// never waiting on the open, and a whole buffer written whatever a single
// write takes.
#pragma once

#include <QByteArray>
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

struct FileStart {
    QByteArray bytes;  // what was read
    int error = 0;     // the errno of a failed open or read, 0 when read
    bool more = false; // the file goes on beyond the bytes read
};

// The file's first maxBytes bytes (every byte when it is negative), opened
// by openForReading: a name, a tip or a header never reads a big file whole.
FileStart readFileStart(const QString& path, qsizetype maxBytes = -1);

// What a writer answers before it opens, empties or asks about a file: a
// name that is, or leads to, anything but a regular file is refused as
// openForReading refuses it; one of the program's running parts or the file
// the running capture writes is a file in use (ETXTBSY, "書込みできません｡").
// 0 for a regular file or a missing one, which the write creates.
int writeTargetError(const QString& path);

struct FileForWriting {
    int fd = -1;   // -1 when the open failed or was refused
    int error = 0; // the errno of the failure
};

// Opens the file write-only, close-on-exec, created when missing, with any
// further open flags (O_TRUNC, O_APPEND), never waiting. What
// writeTargetError refuses is refused before anything is opened, and the
// opened file is checked again, in case the name was replaced in between.
FileForWriting openForWriting(const QString& path, int extraFlags);

// Creates the file empty, or empties it; 0 or the errno of the failure.
int createEmptyFile(const QString& path);

// 0 once every byte is written, else the errno of the failing write (EIO
// where a write took nothing). A partial or interrupted write is carried on.
int writeAll(int fd, QByteArrayView bytes);
