// The function-key procedures bound to the program: the main window's wait
// timer, the message box of the mouse-click wait, and the progress controls
// and key buttons of a sending window.
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_pages.h"
#include "fkeys/program_send_host.h"
#include "fkeys/script_window.h"
#include "key_folder_fixture.h"
#include "text/cp932.h"
#include "ui/vb_timer.h"

#include <QLabel>
#include <QPushButton>

#include <array>
#include <memory>

namespace {

QByteArray& lineBytes() {
    static QByteArray bytes;
    return bytes;
}

// The library linked in, with a line that takes every byte and keeps it.
void installTakingLine() {
    static TovalineApi table = [] {
        installRealTovalineApi();
        TovalineApi t = lib();
        t.SendDataByte = [](int32_t b, int32_t, int32_t* written, int16_t* ok) {
            lineBytes().append(char(b));
            *written = 1;
            *ok = -1;
        };
        t.SendData = [](const char* data, int32_t length, int32_t* written, int16_t* ok) {
            lineBytes().append(data, length);
            *written = length;
            *ok = -1;
        };
        return t;
    }();
    installTovalineApi(&table);
}

class FkeyProgramTest : public KeyFolderTest {
  protected:
    void SetUp() override {
        ensureTestApplication();
        KeyFolderTest::SetUp();
        installTakingLine();
        lineBytes().clear();
        mainForm();
    }
    void TearDown() override { installTovalineApi(nullptr); }
};

TEST_F(FkeyProgramTest, WaitEndsOnTheMainWindowsTimer) {
    int32_t ms = 30;
    WaitTimer(ms);
    EXPECT_EQ(shared().TimeUpFlg, 1);
    EXPECT_FALSE(mainForm().Timer2->enabled());
}

TEST_F(FkeyProgramTest, MouseClickBoxClosedFromItsTitleBarEndsTheScript) {
    ScriptWindowControls window;
    closeNextModal();
    const QByteArray script("A^MB");
    RunUFCommand(window, std::span(reinterpret_cast<const uint8_t*>(script.constData()),
                                   size_t(script.size())));
    EXPECT_EQ(lineBytes(), "A");
}

TEST_F(FkeyProgramTest, RepeatIndicatorShowsOnTheWindowsControls) {
    auto Picl2 = std::make_unique<QWidget>();
    auto lblRept = std::make_unique<QLabel>();
    ScriptWindowControls window;
    window.Picl2 = Picl2.get();
    window.lblRept = lblRept.get();
    bool shownDuringRun = false;
    window.repaintLines = [&] { shownDuringRun = !Picl2->isHidden(); };
    Picl2->hide();

    const QByteArray script("^{2}X^}^}^%1");
    RunUFCommand(window, std::span(reinterpret_cast<const uint8_t*>(script.constData()),
                                   size_t(script.size())));
    EXPECT_EQ(lineBytes(), "XX");
    EXPECT_EQ(lblRept->text(), QStringLiteral("リピート機能実行中"));
    EXPECT_TRUE(shownDuringRun) << "a ^} outside a block leaves the indicator up";
    EXPECT_TRUE(Picl2->isHidden()) << "the end of the run hides it";
}

TEST_F(FkeyProgramTest, KeyButtonsShowNumbersAndNames) {
    QFile name(ufNameFilePath(205));
    ASSERT_TRUE(name.open(QIODevice::WriteOnly));
    name.write(cp932::fromUnicode(u"ＡＴコマンド\r\n"));
    name.close();

    std::array<std::unique_ptr<QPushButton>, UFPageButtons> owned;
    std::array<QAbstractButton*, UFPageButtons> Command1{};
    for (int i = 0; i < UFPageButtons; ++i) {
        owned[i] = std::make_unique<QPushButton>();
        Command1[i] = owned[i].get();
    }
    shared().UFPage = 2;
    LoadUFName(Command1);
    EXPECT_EQ(Command1[0]->text(), "UF201");
    EXPECT_EQ(Command1[4]->toolTip(), QStringLiteral("ＡＴコマンド"));
    EXPECT_EQ(Command1[99]->text(), "UF300");
}

} // namespace
