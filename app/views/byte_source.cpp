#include "views/byte_source.h"

#include "core/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

std::size_t SnapshotSource::read(int64_t first, std::span<uint8_t> out) const {
    const auto length = static_cast<int64_t>(bytes_.size());
    if (first < 1 || first > length) return 0;
    const auto count = static_cast<std::size_t>(
        std::min<int64_t>(static_cast<int64_t>(out.size()), length - first + 1));
    std::memcpy(out.data(), bytes_.data() + (first - 1), count);
    return count;
}

std::unique_ptr<FileSource> FileSource::open(const QString& path, int& error) {
    const FileForReading file = openForReading(path);
    if (file.fd < 0) {
        error = file.error;
        return nullptr;
    }
    return std::unique_ptr<FileSource>(new FileSource(file.fd, file.length));
}

FileSource::~FileSource() {
    close();
}

void FileSource::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::size_t FileSource::read(int64_t first, std::span<uint8_t> out) const {
    if (fd_ < 0 || first < 1) return 0;
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                                  static_cast<off_t>(first - 1 + static_cast<int64_t>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}
