#include "core/key_queue.h"

#include "text/cp932.h"

QByteArray enterCodeBytes(int16_t code) {
    switch (code) {
    case EnterCR:
        return QByteArray("\r");
    case EnterCRLF:
        return QByteArray("\r\n");
    case EnterNone:
        return QByteArray();
    default:
        return QByteArray("\n");
    }
}

bool appendUnderKeyLimit(QByteArray& queue, QByteArrayView bytes) {
    if (cp932::charCount(queue) >= KeyQueueLimit) return false;
    queue.append(bytes);
    return true;
}

bool KeyQueueFlush::afterWrite(QByteArray& queue, int32_t written, int16_t ok) {
    bool report = false;
    if (ok == 0) {
        report = !failureReported_ || queue != failedQueue_;
        failureReported_ = true;
        failedQueue_ = queue;
        written = 0; // a failed write took nothing
    } else {
        failureReported_ = false;
        failedQueue_.clear();
    }
    if (written >= queue.size()) {
        queue.clear();
    } else if (written > 0) {
        queue.remove(0, written);
    }
    return report;
}
