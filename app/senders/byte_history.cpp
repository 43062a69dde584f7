#include "senders/byte_history.h"

void ByteHistory::push(uint8_t byte) {
    ring_[static_cast<std::size_t>(write_)] = byte;
    write_ = (write_ + 1) % Capacity;
    if (count_ == Capacity) {
        start_ = write_;
    } else {
        ++count_;
    }
}

uint8_t ByteHistory::at(int k) const {
    return ring_[static_cast<std::size_t>((start_ + k) % Capacity)];
}

void ByteHistory::clear() {
    write_ = 0;
    start_ = 0;
    count_ = 0;
}
