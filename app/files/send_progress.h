// The progress of the file senders: shown at the 11th chunk and every 11th
// after it, as the share of the file's length that the send bytes placed so
// far make. Conversion can place more bytes than the file holds (CR LF,
// doubled DLE) or fewer (dropped codes).
#pragma once

#include <cstdint>
#include <optional>

class SendProgress {
  public:
    explicit SendProgress(int64_t fileLength) : length_(fileLength) {}

    // At the start of a chunk: true when this chunk shows the progress (and
    // lets pending events run).
    bool chunkStarts();

    // The whole percentage of the bytes placed so far (halves to even); it
    // can pass 100.
    int64_t wholePercent(int64_t placed) const;

    // The file send shows it only while it is at most 100: nothing above.
    std::optional<int> percent(int64_t placed) const;

  private:
    int64_t length_;
    int chunk_ = 1;
};
