// The main window's buttons that open the file tools built afresh at each
// opening: each opens its window, which is gone once closed, after a stop
// request to every running send (the conversion, which touches no port,
// leaves a running send alone), and gives the key box the focus again.
#include "files_fixture.h"

#include <QPointer>

namespace {

using FileToolButtons = FilesWindowTest;

TEST_F(FileToolButtons, EachOpensAFreshWindow) {
    const struct {
        QPushButton* T_Term_frm::*button;
        const char* window;
        int16_t stopFlg;
    } cases[] = {
        {&T_Term_frm::Command2, "frms_File", 1},
        {&T_Term_frm::Command18, "frms_File_Rcv", 1},
        {&T_Term_frm::Command15, "frms_File_Original", 1},
        {&T_Term_frm::CmdCsv, "frms_CSV", 0},
    };
    for (const auto& c : cases) {
        QPointer<QWidget> opened;
        bool wasOpened = false;
        whenModalOpens(c.window, [&](QWidget* w) {
            opened = w;
            wasOpened = true;
            w->close();
        });
        shared().StopFlg = 0;
        QPushButton* button = form->*c.button;
        ASSERT_TRUE(button->isEnabled()) << c.window;
        button->click();
        EXPECT_TRUE(wasOpened) << c.window;
        EXPECT_TRUE(opened.isNull()) << c.window << " is gone once closed";
        EXPECT_EQ(shared().StopFlg, c.stopFlg) << c.window;
        EXPECT_EQ(form->focusWidget(), form->Text1)
            << c.window << ": the key box has the focus again";
    }
}

} // namespace
