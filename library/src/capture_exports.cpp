// Starting and stopping the capture file, the direct capture read of the
// function-key runner, and the outcome of a framed transfer.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "capture.h"
#include "dle.h"
#include "lib_state.h"
#include "receive_store.h"
#include "tovaline.h"

namespace tovaline {

namespace {

void closeCaptureFile() {
    CaptureState& capture = g_lib.capture;
    if (capture.fd >= 0) ::close(capture.fd);
    capture.fd = -1;
}

// Created when missing, never truncated: a capture overwrites an existing
// file from its first byte and leaves whatever lies beyond. Held exclusively
// while the capture runs, as no other writer should meet it.
//
// Only a regular file (or a new one) is taken, and the open never waits: the
// receive poll would stop in write() once a FIFO's reader stopped reading,
// and a device (another serial port) would take every received byte. The
// kind is looked at before the open, as opening a device can act on it, and
// again on the open file, in case the name was replaced in between.
int openCaptureFile(const char* path) {
    struct stat st {};
    if (::stat(path, &st) == 0 && !S_ISREG(st.st_mode)) return -1;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

} // namespace tovaline

using namespace tovaline;

int32_t LogStart(const char* path, int16_t mode, int32_t limit) {
    closeCaptureFile(); // one capture at a time
    CaptureState& capture = g_lib.capture;
    capture.total = 0;
    capture.dleState = 0;
    capture.dleEndCode = kDleEndedOrRunning;
    capture.limit = limit;
    capture.mode = mode;
    capture.fd = openCaptureFile(path);
    return capture.fd >= 0 ? -1 : 0;
}

int32_t LogStop() {
    closeCaptureFile();
    return -1;
}

int32_t ReadDLEend() {
    return g_lib.capture.dleEndCode;
}

int32_t LogCont(int32_t* length) {
    uint8_t block[kMaxReadBlock];
    int32_t n = 0;
    RcvData(block, kMaxReadBlock, &n); // a failed read counts as nothing read
    countReceivedBlock(block, static_cast<size_t>(n));
    const LogContStep step =
        captureDirectBlock(g_lib.capture, g_lib.port.flowCode, block, static_cast<size_t>(n));
    *length = step.length;
    return step.result;
}
