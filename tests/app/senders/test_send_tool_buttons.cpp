// The main window's buttons of the text window, the line editor and the two
// panels: each raises the stop request before its window opens (the line
// editor also clears the unload flag), and the panels give the focus back to
// the key box.
#include "senders/Frms_TxtSend.h"
#include "senders/frms_CTRL.h"
#include "senders/frms_KeySend.h"
#include "senders/frms_ent.h"

#include "sender_window_fixture.h"

#include <QPlainTextEdit>

namespace {

class SendToolButtons : public SenderWindowTest {};

TEST_F(SendToolButtons, EachOpensItsWindowAfterAStopRequest) {
    struct Case {
        QPushButton* button;
        const char* window;
    };
    for (const Case& c :
         {Case{form->Cmd_KeySend, "frms_KeySend"}, Case{form->Command1, "frms_ent"},
          Case{form->Command4, "frms_CTRL"}, Case{form->Cmd_TxtSend, "Frms_TxtSend"}}) {
        shared().StopFlg = 0;
        shared().FormUnloadFlg = 1;
        int16_t stopWhenOpen = -1, unloadWhenOpen = -1;
        whenModalOpens(c.window, [&](QWidget* w) {
            stopWhenOpen = shared().StopFlg;
            unloadWhenOpen = shared().FormUnloadFlg;
            w->close();
        });
        c.button->click();
        EXPECT_EQ(stopWhenOpen, 1) << c.window;
        if (c.button == form->Cmd_KeySend) {
            EXPECT_EQ(unloadWhenOpen, 0);
        }
        EXPECT_EQ(shared().StopFlg, 1) << "the closed window stops what may still run";
    }
}

} // namespace
