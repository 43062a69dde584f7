// Shared by the receive, page and capture tests: a port on the fake driver
// with the display set up as the program sets it at start-up, and short
// readers over the receive calls.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fake_port_driver.h"
#include "tovaline.h"

using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

inline Bytes repeated(uint8_t b, size_t n) {
    return Bytes(n, b);
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The program's start-up table: "." for every code, "↓" for LF, "←" for CR.
inline std::array<uint8_t, 64> defaultCtrlTable() {
    std::array<uint8_t, 64> t{};
    for (size_t k = 0; k < 32; ++k) {
        t[2 * k] = 0xFF;
        t[2 * k + 1] = 0x2E;
    }
    t[2 * 0x0A] = 0x81;
    t[2 * 0x0A + 1] = 0xAB;
    t[2 * 0x0D] = 0x81;
    t[2 * 0x0D + 1] = 0xA9;
    return t;
}

struct Page {
    Bytes bytes; // the page as reported (pageLen bytes)
    int32_t total = -99;
    int32_t bytesRead = -99;
    int16_t ok = -99;
};

struct Graph {
    Bytes bytes;
    int32_t total = -99;
};

class ReceiveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(OpenCommPort("COM1"), -1);
        setDisplay(16, 80, 0, 1);
        const auto table = defaultCtrlTable();
        SetControlCodeDisp(reinterpret_cast<const char*>(table.data()));
    }

    void setDisplay(int16_t lines, int16_t columns, int16_t cr, int16_t lf) {
        OpenDisp(lines, columns, 10, 10, cr, lf);
    }

    // Bytes the peer sent, taken by the next receive call.
    void arrive(const Bytes& bytes) { fake.queueIncoming(bytes); }

    Page readPage(int16_t mode, int32_t start = -1, int16_t readFlag = 1) {
        Page p;
        p.bytes.assign(pageBuffer.size(), 0xEE);
        int32_t pageLen = -99, logTotal = 0;
        ReadDisp(reinterpret_cast<char*>(p.bytes.data()), &pageLen, start, &p.bytesRead, &p.total,
                 0, &logTotal, &p.ok, readFlag, mode);
        rawPage = p.bytes;
        p.bytes.resize(static_cast<size_t>(pageLen));
        return p;
    }

    // Receives without looking at the page.
    int32_t receive(const Bytes& bytes) {
        arrive(bytes);
        return readPage(0).bytesRead;
    }

    // Receives any amount, 16384 bytes per call as the poll would.
    void receiveAll(const Bytes& bytes) {
        arrive(bytes);
        while (!fake.incoming.empty())
            readPage(0);
    }

    Graph readGraph(int16_t count, int32_t start = -1) {
        Graph g;
        g.bytes.assign(1025, 0xEE);
        int32_t bufLen = -99, bytesRead = 0, logTotal = 0;
        int16_t ok = 0;
        ReadDispGraph(g.bytes.data(), &bufLen, start, &bytesRead, &g.total, 0, &logTotal, &ok, 1,
                      count, 0);
        EXPECT_LE(bufLen, count < 0 ? 0 : count);
        g.bytes.resize(static_cast<size_t>(bufLen));
        return g;
    }

    tovaline::FakeDriverScope scope;
    tovaline::FakePortDriver& fake = scope.fake;
    Bytes pageBuffer = Bytes(40000);
    Bytes rawPage; // the whole buffer after the last ReadDisp, beyond pageLen too
};
