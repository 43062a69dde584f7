// What the tests of the main window's buttons share: the window at rest in
// the character display, the real library over the fake port driver, and a
// library table that records the calls the buttons make before passing them
// on to the library.
#pragma once

#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_dialog_driver.h"
#include "terminal/display_state.h"
#include "terminal/screen_select.h"
#include "terminal/t_term_frm.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace buttons_test {

// "SetLineSt -32766", "BitOnCountClear 8", "SendDataByte 17" ...
std::vector<std::string>& recordedCalls();
void installRecordingApi();

inline int32_t buttonColor(const QPushButton* b) {
    return vbcolor::fromQColor(b->palette().color(QPalette::Button));
}
inline int32_t windowColor() {
    return vbcolor::fromQColor(vbcolor::toQColor(settings().WindowColor));
}

class MainButtons : public ::testing::Test {
protected:
    void SetUp() override {
        ensureTestApplication();
        installRecordingApi();
        shared() = SharedState{};
        settings() = Settings{};
        runSettings() = RunSettings{};
        form = &mainForm();
        form->Timer_Screen_init->setEnabled(false);
        form->Timer1->setEnabled(false);
        form->Timer3->setEnabled(false);
        form->KeyBusyFlg = 0;
        shared().PrevDispMode = NoDispLayout;
        SelectSjisTextMode();
        recordedCalls().clear();
    }
    void TearDown() override {
        StopComm();
        installTovalineApi(nullptr);
    }

    void openPort() {
        settings().ComOnFlg = 1;
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
        scope.fake.written.clear();
        scope.fake.events.clear();
        recordedCalls().clear();
    }

    // A dot that only a clear of the receive picture removes.
    void markPicture() { form->Pic_Rcv_Data->PSet(1, 1, Marker); }
    bool pictureKeptMark() const { return form->Pic_Rcv_Data->Point(1, 1) == Marker; }

    static constexpr int32_t Marker = 0x123456;
    tovaline::FakeDriverScope scope;
    T_Term_frm* form = nullptr;
};

}  // namespace buttons_test
