// A file read one byte at a time, through a buffer, for the chunked sender.
// Exactly the length the file had when it was opened is read; a file that
// ends early or fails to read reports an error.
#pragma once

#include "core/chunk_send.h"

#include <QString>

#include <cstdint>
#include <vector>

class FileByteSource {
  public:
    FileByteSource() = default;
    ~FileByteSource();
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // 0, or the errno of the failure.
    int open(const QString& path);
    void close();

    int64_t length() const { return length_; }

    // False once `length` bytes were taken, and after a failed read.
    bool hasByte();
    uint8_t takeByte() {
        --left_;
        return buffer_[next_++];
    }

    // The program's file-error number of a failed read, 0 while none failed.
    int error() const { return error_; }

  private:
    bool refill();

    int fd_ = -1;
    int64_t length_ = 0;
    int64_t left_ = 0;
    std::vector<uint8_t> buffer_;
    size_t next_ = 0;
    size_t filled_ = 0;
    int error_ = 0;
};

// The chunked sender's source for an open file: its bytes in order. A read
// that fails raises StopFlg, so the send ends before it calls the library
// again; error() then tells the caller why.
ChunkSendParts chunkSourceOf(FileByteSource& file);
