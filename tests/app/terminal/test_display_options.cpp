// The receive line-break and control-code display dialogs: what they store,
// what they hand the library, and received text formed with the new choice.
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"
#include "terminal/frms_Control_Code.h"
#include "terminal/frms_RCV_CRLF.h"
#include "text/cp932.h"

#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A library table that records the two display calls and nothing else.
struct DisplayCalls {
    std::vector<std::array<int16_t, 6>> paraDisp;
    std::vector<QByteArray> ctrlTables;
};
DisplayCalls& calls() {
    static DisplayCalls recorded;
    return recorded;
}
void recordParaDisp(int16_t lines, int16_t columns, int16_t a, int16_t b, int16_t cr, int16_t lf) {
    calls().paraDisp.push_back({lines, columns, a, b, cr, lf});
}
void recordCtrlTable(const char* table64) {
    calls().ctrlTables.push_back(QByteArray(table64, 64));
}

class DisplayOptions : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        settings() = Settings{};
        shared() = SharedState{};
        calls() = DisplayCalls{};
        recorder.SetParaDisp = recordParaDisp;
        recorder.SetControlCodeDisp = recordCtrlTable;
        installTovalineApi(&recorder);
    }
    void TearDown() override { installTovalineApi(nullptr); }

    TovalineApi recorder{};
};

TEST_F(DisplayOptions, LineBreakDialogShowsTheDefaultsAndStoresOnOk) {
    frms_RCV_CRLF dialog;
    dialog.Form_Load();
    EXPECT_TRUE(dialog.Option1[0]->isChecked());
    EXPECT_TRUE(dialog.Option2[1]->isChecked());
    dialog.Command2_Click();
    ASSERT_EQ(calls().paraDisp.size(), 1u);
    EXPECT_EQ(calls().paraDisp[0], (std::array<int16_t, 6>{16, 80, 10, 10, 0, 1}));
}

TEST_F(DisplayOptions, LineBreakChoicesAndTheDefaultButton) {
    {
        frms_RCV_CRLF dialog;
        dialog.Form_Load();
        dialog.Option1[1]->setChecked(true);
        dialog.Option2[0]->setChecked(true);
        dialog.Command2_Click();
    }
    EXPECT_EQ(settings().CrNewLineFlg, 1);
    EXPECT_EQ(settings().LfNewLineFlg, 0);
    EXPECT_EQ(calls().paraDisp.back(), (std::array<int16_t, 6>{16, 80, 10, 10, 1, 0}));

    frms_RCV_CRLF dialog;
    dialog.Form_Load(); // loads what was stored
    EXPECT_TRUE(dialog.Option1[1]->isChecked());
    EXPECT_TRUE(dialog.Option2[0]->isChecked());
    dialog.Command1_Click(); // defaults shown, nothing stored
    EXPECT_TRUE(dialog.Option1[0]->isChecked());
    EXPECT_TRUE(dialog.Option2[1]->isChecked());
    EXPECT_EQ(settings().CrNewLineFlg, 1);
    EXPECT_EQ(calls().paraDisp.size(), 1u);
}

TEST_F(DisplayOptions, ControlCodeChoicesBecomeTableEntries) {
    frms_Control_Code dialog;
    dialog.Form_Load();
    EXPECT_EQ(dialog.lbl2[10]->text(), QStringLiteral("↓"));
    EXPECT_EQ(dialog.selectedCode(), 0);
    dialog.lbl2_Click(13);
    dialog.lbl3_Click(75); // nothing shown for CR
    dialog.lbl2_Click(1);
    dialog.lbl3_Click(1); // "☆" for SOH
    dialog.lbl2_Click(2);
    dialog.lbl3_Click(0); // "." for STX
    dialog.Command1_Click();

    ASSERT_EQ(calls().ctrlTables.size(), 1u);
    const QByteArray table = calls().ctrlTables[0];
    EXPECT_EQ(table.mid(2 * 13, 2), QByteArray("\xFF\xFF", 2));
    EXPECT_EQ(table.mid(2 * 1, 2), cp932::fromUnicode(u"☆"));
    EXPECT_EQ(table.mid(2 * 2, 2), QByteArray("\xFF\x2E", 2));
    EXPECT_EQ(table.mid(2 * 10, 2), cp932::fromUnicode(u"↓"));
    EXPECT_EQ(settings().CtrlCodeSymbol[13], QStringLiteral("ｻﾌﾟﾚｽ"));
    EXPECT_EQ(settings().CtrlCodeSymbol[2], QStringLiteral("・"));
}

TEST_F(DisplayOptions, EveryPaletteSymbolIsOneDoubleByteCharacter) {
    frms_Control_Code dialog;
    dialog.Form_Load();
    for (int k = 1; k <= 74; ++k) {
        dialog.lbl2_Click(k % 32);
        dialog.lbl3_Click(k);
        const QByteArray bytes =
            cp932::fromUnicode(dialog.lbl3[static_cast<std::size_t>(k)]->text());
        ASSERT_EQ(bytes.size(), 2) << k;
        EXPECT_TRUE(cp932::isLeadByte(static_cast<uint8_t>(bytes[0]))) << k;
    }
    dialog.Command1_Click();
    EXPECT_EQ(calls().ctrlTables.at(0).size(), 64);
}

TEST_F(DisplayOptions, StoredSymbolsThatAreNoDoubleByteCharacterBecomeADot) {
    settings().CtrlCodeSymbol[5] = QStringLiteral("AB");
    settings().CtrlCodeSymbol[6] = QString();
    settings().CtrlCodeSymbol[7] = QStringLiteral("☆★");
    frms_Control_Code dialog;
    dialog.Form_Load();
    dialog.Command1_Click();
    const QByteArray table = calls().ctrlTables.at(0);
    ASSERT_EQ(table.size(), 64);
    for (int code : {5, 6, 7})
        EXPECT_EQ(table.mid(2 * code, 2), QByteArray("\xFF\x2E", 2)) << code;
}

TEST_F(DisplayOptions, ClosingWithoutOkStoresNothing) {
    {
        frms_Control_Code dialog;
        dialog.Form_Load();
        dialog.lbl2_Click(0);
        dialog.lbl3_Click(5);
    }
    {
        frms_RCV_CRLF dialog;
        dialog.Form_Load();
        dialog.Option1[1]->setChecked(true);
    }
    EXPECT_EQ(settings().CtrlCodeSymbol[0], QStringLiteral("・"));
    EXPECT_EQ(settings().CrNewLineFlg, 0);
    EXPECT_TRUE(calls().ctrlTables.empty());
    EXPECT_TRUE(calls().paraDisp.empty());
}

// Through the real library: text received after OK shows the new symbols
// and breaks where the new choice says.
TEST(DisplayOptionsReceived, TextIsFormedWithTheNewSymbolsAndBreaks) {
    ensureTestApplication();
    tovaline::FakeDriverScope scope;
    installRealTovalineApi();
    settings() = Settings{};
    shared() = SharedState{};
    lib().OpenDisp(16, 80, 10, 10, 0, 1);
    ASSERT_NE(lib().OpenCommPort("COM1"), 0);
    {
        frms_Control_Code dialog;
        dialog.Form_Load();
        dialog.lbl2_Click(13);
        dialog.lbl3_Click(1); // CR shows "☆"
        dialog.lbl2_Click(10);
        dialog.lbl3_Click(75); // LF shows nothing
        dialog.Command1_Click();
    }
    {
        frms_RCV_CRLF dialog;
        dialog.Form_Load();
        dialog.Option1[1]->setChecked(true); // CR ends the line
        dialog.Option2[0]->setChecked(true); // LF does not
        dialog.Command2_Click();
    }
    scope.fake.queueIncoming({'A', 'B', '\r', 'C', '\n', 'D'});
    std::vector<char> page(1800);
    int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    lib().ReadDisp(page.data(), &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);
    EXPECT_EQ(bytesRead, 6);
    const QString text = cp932::toUnicode(QByteArrayView(page.data(), pageLen));
    EXPECT_TRUE(text.startsWith(QStringLiteral("AB☆"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nCD")) || text.contains(QStringLiteral("\r\nCD")))
        << text.toStdString();
    lib().CloseCommPort();
    installTovalineApi(nullptr);
}

} // namespace
