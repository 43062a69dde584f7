// Small readers over the exports, shared by the library's tests.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tovaline.h"

inline std::array<int32_t, 16> readLineCounts() {
    std::array<int32_t, 16> c{};
    ReadCount(&c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7], &c[8], &c[9], &c[10], &c[11],
              &c[12], &c[13], &c[14], &c[15]);
    return c;
}

inline std::array<int32_t, 256> readCodeCounts(int16_t side) {
    std::array<int32_t, 256> c{};
    ReadCodeCounter(c.data(), side);
    return c;
}

inline int32_t readModemStatus() {
    int32_t status = 0;
    ReadModemStatus(&status);
    return status;
}

inline int32_t readSentTotal() {
    int32_t total = 0;
    ReadSendSu(&total);
    return total;
}

// The (written, ok) pair of a send.
struct Sent {
    int32_t written = -99;
    int16_t ok = -99;
    bool operator==(const Sent&) const = default;
};

inline Sent sendData(const char* data, int32_t length) {
    Sent s;
    SendData(data, length, &s.written, &s.ok);
    return s;
}

inline Sent sendNS(const std::vector<uint8_t>& bytes) {
    Sent s;
    SendDataByteNS(bytes.data(), static_cast<int32_t>(bytes.size()), &s.written, &s.ok);
    return s;
}

inline Sent sendByte(int32_t byte) {
    Sent s;
    SendDataByte(byte, 1, &s.written, &s.ok);
    return s;
}

constexpr Sent kSentNothingHeld{0, -1};
constexpr Sent kSendFailed{0, 0};
