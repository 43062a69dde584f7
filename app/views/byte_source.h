// Where a data view's bytes come from, by 1-based position as the views
// count them: the receive snapshot, or a disk file held open while the view
// shows it. Both are read again at every page; nothing is cached.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Copies the bytes from position `first` on into `out` and returns how
    // many it copied: fewer at the end of the data, and for a file also
    // where a read fails or the file has shrunk since it was measured.
    virtual std::size_t read(int64_t first, std::span<uint8_t> out) const = 0;
};

// The receive snapshot: the bytes of positions 1 to its length.
class SnapshotSource final : public ByteSource {
  public:
    explicit SnapshotSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    std::size_t read(int64_t first, std::span<uint8_t> out) const override;

  private:
    std::span<const uint8_t> bytes_;
};

// A disk file opened for reading. Each read goes to the file itself, so a
// change to the file shows on the next page.
class FileSource final : public ByteSource {
  public:
    // The open file, or nullptr with the errno of the failure.
    static std::unique_ptr<FileSource> open(const QString& path, int& error);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // The file's length when it was opened.
    int64_t length() const { return length_; }
    std::size_t read(int64_t first, std::span<uint8_t> out) const override;
    // Later reads find nothing.
    void close();

  private:
    FileSource(int fd, int64_t length) : fd_(fd), length_(length) {}
    int fd_ = -1;
    int64_t length_ = 0;
};
