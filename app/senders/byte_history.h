// The timed senders' record of the last 40 bytes the line took, oldest
// first, for the bar monitor.
#pragma once

#include <array>
#include <cstdint>

class ByteHistory {
  public:
    static constexpr int Capacity = 40;

    // Stores the byte; once 40 are held, the oldest gives way.
    void push(uint8_t byte);
    // Entry k, 0 the oldest, for k below count().
    uint8_t at(int k) const;
    int count() const { return count_; }
    void clear();

  private:
    std::array<uint8_t, Capacity> ring_{};
    int write_ = 0;
    int start_ = 0;
    int count_ = 0;
};
