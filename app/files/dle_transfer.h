// The two directions of the DLE-framed file transfer, as the transfer window
// runs them: the send of a file through the chunked sender with the frame
// writer as its conversion, and the wait of a receive whose bytes the main
// window's receive poll decodes into the capture file.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

struct DleSendDisplay {
    std::function<void(int64_t length)> fileOpened; // the file's size, once it is open
    std::function<void(int percent)> progress;      // at every 11th chunk; may pass 100
    std::function<bool()> cancelled;                // asked at every 11th chunk
};

enum class DleSendEnd {
    Completed, // the whole file left, then DLE EOT
    Stopped,   // a stop, a cancel or a failed library call, then DLE CAN
    FileError, // the file could not be opened or read (told); no trailer
};

// Sends the file DLE-framed. The trailer bytes leave through the single-byte
// send that ignores flow control, so that a held line never keeps them back;
// a line that is full gets about a second to take each of them.
// After a stop the line carries the frame of exactly the file bytes it took
// (a 10h it took only half of is completed first), then DLE CAN.
// The caller has checked the port and cleared StopFlg.
DleSendEnd SendDleFile(const QString& path, const DleSendDisplay& display);

struct DleReceiveWatch {
    std::function<void(int32_t total)> showCount; // the decoded bytes written so far
    std::function<bool()> cancelled;
};

// Waits while the DLE capture runs, sleeping until the next event (the
// receive poll's tick wakes it), and returns the DleEndCode to report, or
// nothing when the user cancelled (the capture is then stopped, the part
// received kept). A capture that the poll ended at the program's size limit,
// with no end of the stream seen, is reported as a write error (2): the file
// is not whole.
std::optional<int32_t> WaitDleReceive(const DleReceiveWatch& watch);

// The result message of a receive that was not cancelled: a notice for the
// normal end, else the question whether to delete the file, which Yes does.
void ReportDleReceive(int32_t dleEndCode, const QString& path);
