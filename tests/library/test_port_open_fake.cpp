// Opening, parameters and closing, through the scripted driver.
#include <gtest/gtest.h>

#include <vector>

#include "fake_port_driver.h"
#include "flow_control.h"
#include "lib_state.h"
#include "library_test_helpers.h"

using namespace tovaline;

namespace {

class PortOpenFake : public ::testing::Test {
  protected:
    FakeDriverScope scope;
    FakePortDriver& fake = scope.fake;

    int32_t applyAny(const char* text, int32_t* bps) { return SetCommPortParamAnyBPS(text, bps); }
    int32_t readBps() {
        int32_t bps = -1;
        ReadBPS(&bps);
        return bps;
    }
};

} // namespace

TEST_F(PortOpenFake, OpenPreparesThePortAndCountsBothLinesOn) {
    ASSERT_EQ(OpenCommPort("COM3"), -1);
    EXPECT_EQ(fake.openedName, "COM3");
    EXPECT_EQ(fake.events, (std::vector<std::string>{"purge", "DTR on", "RTS on"}));
    EXPECT_EQ(readModemStatus() & 0x03, 0x03);
    auto c = readLineCounts();
    EXPECT_EQ(c[4], 1);
    EXPECT_EQ(c[5], 1);

    CloseCommPort();
    ASSERT_EQ(OpenCommPort("COM3"), -1);
    c = readLineCounts();
    EXPECT_EQ(c[4], 2);
    EXPECT_EQ(c[5], 2);
}

TEST_F(PortOpenFake, AFailedOpenChangesNothing) {
    fake.failOpen = true;
    EXPECT_EQ(OpenCommPort("COM3"), 0);
    EXPECT_EQ(readLineCounts(), (std::array<int32_t, 16>{}));
    EXPECT_EQ(readModemStatus(), 0);
    EXPECT_EQ(readBps(), 0);
    EXPECT_EQ(OpenCommPort(nullptr), 0);
}

TEST_F(PortOpenFake, OpeningWhileOpenClosesTheHeldPortFirst) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    ASSERT_EQ(OpenCommPort("COM2"), -1);
    EXPECT_EQ(fake.closes, 1);
    EXPECT_EQ(fake.openedName, "COM2");
    const auto c = readLineCounts();
    EXPECT_EQ(c[10], 1); // RTS off
    EXPECT_EQ(c[11], 1); // DTR off
    EXPECT_EQ(c[4], 2);
    EXPECT_EQ(c[5], 2);
}

TEST_F(PortOpenFake, CloseLowersTheLinesPurgesAndCountsOnlyLinesThatWereOn) {
    CloseCommPort(); // no port: nothing
    EXPECT_EQ(readLineCounts(), (std::array<int32_t, 16>{}));

    ASSERT_EQ(OpenCommPort("COM1"), -1);
    SetLineSt(2); // DTR off: counted here, not again at the close
    fake.events.clear();
    CloseCommPort();
    EXPECT_EQ(fake.events, (std::vector<std::string>{"DTR off", "RTS off", "purge", "close"}));
    const auto c = readLineCounts();
    EXPECT_EQ(c[10], 1);
    EXPECT_EQ(c[11], 1);
    EXPECT_EQ(readModemStatus() & 0x03, 0);
    EXPECT_EQ(readBps(), 0);
}

TEST_F(PortOpenFake, ParametersReachTheDriver) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    int32_t bps = -1;
    EXPECT_NE(applyAny("19200,3,7,1,0", &bps), 0);
    EXPECT_EQ(bps, 19200);
    EXPECT_EQ(fake.settings.speed, 19200);
    EXPECT_EQ(fake.settings.parity, 3);
    EXPECT_EQ(fake.settings.dataBits, 7);
    EXPECT_EQ(fake.settings.stopBits, 1);
    EXPECT_EQ(g_lib.port.dataBits, 7);
    EXPECT_EQ(readBps(), 19200);
}

TEST_F(PortOpenFake, OnlyTheClassicSpeedsTakeEffectWithoutAnySpeed) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    EXPECT_NE(SetCommPortParam("56000,0,8,0,0"), 0);
    EXPECT_EQ(readBps(), 56000);
    EXPECT_NE(SetCommPortParam("1234,2,8,0,0"), 0);
    EXPECT_EQ(readBps(), 56000);
    EXPECT_EQ(fake.settings.parity, 2);

    int32_t bps = 0;
    EXPECT_NE(applyAny("1234,0,8,0,0", &bps), 0);
    EXPECT_EQ(bps, 1234);
}

TEST_F(PortOpenFake, FieldsOutOfRangeKeepThePortsSettings) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    int32_t bps = 0;
    ASSERT_NE(applyAny("9600,1,7,1,0", &bps), 0);
    ASSERT_NE(applyAny("4800,5,9,3,2", &bps), 0);
    EXPECT_EQ(fake.settings.speed, 4800);
    EXPECT_EQ(fake.settings.parity, 1);
    EXPECT_EQ(fake.settings.dataBits, 7);
    EXPECT_EQ(fake.settings.stopBits, 1);
    EXPECT_EQ(g_lib.port.flowCode, 2);
    EXPECT_EQ(g_lib.port.dataBits, 7);
}

TEST_F(PortOpenFake, ASpeedOfZeroOrBelowIsRefused) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    for (const char* text : {"0,0,8,0,0", "4294967295,0,8,0,0", "3000000000,0,8,0,0", ",0,8,0,0"}) {
        int32_t bps = -1;
        EXPECT_EQ(applyAny(text, &bps), 0) << text;
        EXPECT_EQ(bps, 0) << text;
    }
    EXPECT_EQ(fake.applies, 0);
}

TEST_F(PortOpenFake, RefusedParametersStillChangeTheLibraryHeldValues) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    int32_t bps = 0;
    ASSERT_NE(applyAny("9600,0,8,0,2", &bps), 0);
    const uint8_t xoff = 0x13;
    trackXonXoff(&xoff, 1);
    sendByte(0x13);
    ASSERT_EQ(readModemStatus() & 0x0C, 0x0C);

    fake.refuseSettings = true;
    bps = -1;
    EXPECT_EQ(applyAny("115200,0,7,0,1", &bps), 0);
    EXPECT_EQ(bps, 0);
    EXPECT_EQ(fake.settings.speed, 9600);
    EXPECT_EQ(g_lib.port.flowCode, 1);
    EXPECT_EQ(g_lib.port.dataBits, 7);
    EXPECT_EQ(readModemStatus() & 0x0C, 0);
}

TEST_F(PortOpenFake, WithNoPortParametersAreRefusedButTheFlowCodeFollows) {
    int32_t bps = -1;
    EXPECT_EQ(applyAny("9600,0,8,0,65538", &bps), 0); // low 16 bits: 2
    EXPECT_EQ(bps, 0);
    EXPECT_EQ(SetCommPortParam("9600,0,7,0,1"), 0);
    EXPECT_EQ(g_lib.port.flowCode, 1);
    EXPECT_EQ(g_lib.port.dataBits, 7);
    EXPECT_EQ(readBps(), 0);
}

TEST_F(PortOpenFake, ApplyingRaisesTheLinesAtTheDriverButNotInTheLibrary) {
    ASSERT_EQ(OpenCommPort("COM1"), -1);
    SetLineSt(2);
    ASSERT_FALSE(fake.dtr);
    const auto before = readLineCounts();
    int32_t bps = 0;
    ASSERT_NE(applyAny("9600,0,8,0,0", &bps), 0);
    EXPECT_TRUE(fake.dtr);
    EXPECT_EQ(readModemStatus() & 0x02, 0);
    EXPECT_EQ(readLineCounts(), before);
}
