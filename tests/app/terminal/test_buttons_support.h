// What the tests of the main window's buttons share: the window at rest in
// the character display, the real library over the fake port driver, and a
// library table that records the calls the buttons make before passing them
// on to the library.
#pragma once

#include "fake_port_driver.h"
#include "main_window_fixture.h"
#include "ui/vb_color.h"

#include <string>
#include <vector>

namespace buttons_test {

// "SetLineSt -32766", "BitOnCountClear 8", "SendDataByte 17" ...
std::vector<std::string>& recordedCalls();
void installRecordingApi();

inline int32_t windowColor() {
    return shownColor(settings().WindowColor);
}

class MainButtons : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        installRecordingApi();
        recordedCalls().clear();
    }

    void openPort() {
        settings().ComOnFlg = 1;
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
        scope.fake.written.clear();
        scope.fake.events.clear();
        recordedCalls().clear();
    }

    tovaline::FakeDriverScope scope;
};

} // namespace buttons_test
