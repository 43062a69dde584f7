// The base of the data-view tests: fresh run state and settings, the real
// library over the fake port driver with the port open, the display set up
// as the program sets it, and bytes arriving through the receive call as the
// main window's poll takes them.
#pragma once

#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"

#include <QByteArray>

#include <array>
#include <vector>

#include <gtest/gtest.h>

class ViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        runSettings() = RunSettings{};
        ASSERT_EQ(lib().OpenCommPort("COM1"), -1);
        setDisplay(0, 1);
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
    }

    // Empties the store; a received CR / LF ends a text line when its flag is 1.
    // Control codes show as "." but CR and LF as nothing.
    void setDisplay(int16_t crFlag, int16_t lfFlag) {
        lib().OpenDisp(16, 80, 10, 10, crFlag, lfFlag);
        std::array<char, 64> table{};
        for (size_t code = 0; code < 32; ++code) {
            table[2 * code] = char(0xFF);
            table[2 * code + 1] = code == 0x0D || code == 0x0A ? char(0xFF) : '.';
        }
        lib().SetControlCodeDisp(table.data());
    }

    // Bytes the peer sent, taken as the receive poll takes them.
    void receive(const QByteArray& bytes) {
        scope.fake.queueIncoming(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        std::vector<char> page(40000);
        while (!scope.fake.incoming.empty()) {
            int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
            int16_t ok = 0;
            lib().ReadDisp(page.data(), &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);
            ASSERT_EQ(ok, -1);
        }
    }

    tovaline::FakeDriverScope scope;
};
