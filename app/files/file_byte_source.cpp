#include "files/file_byte_source.h"

#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/shared_state.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr size_t kBufferSize = 64 * 1024;

} // namespace

FileByteSource::~FileByteSource() {
    close();
}

int FileByteSource::open(const QString& path) {
    close();
    const FileForReading file = openForReading(path);
    if (file.fd < 0) return file.error;
    fd_ = file.fd;
    length_ = left_ = file.length;
    buffer_.resize(kBufferSize);
    next_ = filled_ = 0;
    error_ = 0;
    return 0;
}

void FileByteSource::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool FileByteSource::hasByte() {
    if (left_ <= 0 || error_ != 0) return false;
    return next_ < filled_ || refill();
}

ChunkSendParts chunkSourceOf(FileByteSource& file) {
    return {
        .hasByte =
            [&file] {
                if (file.hasByte()) return true;
                if (file.error() != 0) shared().StopFlg = 1;
                return false;
            },
        .takeByte = [&file] { return file.takeByte(); },
        .convert = {},
        .chunkStep = {},
        .lineTook = {},
    };
}

bool FileByteSource::refill() {
    const size_t want = size_t(std::min<int64_t>(left_, int64_t(buffer_.size())));
    ssize_t n;
    do {
        n = ::read(fd_, buffer_.data(), want);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        error_ = fileErrorNumber(errno);
        return false;
    }
    if (n == 0) {
        // Shorter than when it was opened: what the user chose is not all there.
        error_ = kFileReadFailed;
        return false;
    }
    next_ = 0;
    filled_ = size_t(n);
    return true;
}
