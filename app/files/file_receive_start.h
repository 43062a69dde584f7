// The start of a receive into a file with no size of the user's choosing,
// shared by the stream receive and the DLE receive: under XON/XOFF flow the
// question that 11h and 13h stay out of the file, then the one capture start
// with the boxes captioned "ファイル受信". The poll ends such a capture at
// 2,050,781 KB (2,099,999,744 bytes), the largest size the program counts.
// The callers have checked that no capture runs and that the port is open.
#pragma once

#include <QString>

#include <cstdint>

enum class FileReceiveKind {
    Stream, // every byte as it arrives (mode 3), marked on the main window
    Dle,    // the DLE-framed transfer decoded (mode 1), no marks
};

inline constexpr int32_t kFileReceiveLimitKB = 2050781;

// True when the capture runs; otherwise the user declined or was told why.
bool StartFileReceive(FileReceiveKind kind, const QString& folder, const QString& name);
