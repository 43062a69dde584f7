// The key queue of the main window: the cp932 bytes typed keys and the
// control-code panels leave for the line, sent by the status poll.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// What Enter appends to a sent line (EnterSendCode); any other value is LF.
enum EnterSendCode : int16_t { EnterCR = 0, EnterCRLF = 1, EnterNone = 2, EnterLF = 3 };
QByteArray enterCodeBytes(int16_t code);

// Keys are appended only while the queue holds fewer than this many
// characters (a double-byte character counts once).
inline constexpr qsizetype KeyQueueLimit = 128;

// Appends the bytes when the queue holds fewer than KeyQueueLimit characters.
bool appendUnderKeyLimit(QByteArray& queue, QByteArrayView bytes);

// Hands what a write took out of the queue, and decides when a failed write
// is reported. A write that keeps failing is reported once per episode: again
// only after a write succeeded or the queue changed, so a port that refuses
// every write does not reopen the error box on every tick.
class KeyQueueFlush {
  public:
    // After SendData of the whole queue: drops the `written` bytes from its
    // front (a double-byte character split by a partial write leaves exactly
    // its unsent byte). Returns true when the failure must be reported.
    bool afterWrite(QByteArray& queue, int32_t written, int16_t ok);

  private:
    bool failureReported_ = false;
    QByteArray failedQueue_;
};
