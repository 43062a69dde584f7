// The data views over a real pseudo-terminal: what the far side writes, in
// more than one terminal read, is what the line views and the received-byte
// counters show, and what the program sends is what the sent-byte counters
// count.
#include "core/count_text.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "modal_dialog_driver.h"
#include "pty_peer.h"
#include "real_tovaline_api.h"
#include "text/cp932.h"
#include "views/code_count_window.h"
#include "views/disp_lines.h"
#include "views/frms_Disp_Line.h"
#include "views/frms_Disp_Line2.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QThread>

#include <array>
#include <vector>

#include <gtest/gtest.h>

namespace {

class ViewsPty : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        ASSERT_FALSE(peer.slavePath().isEmpty());
        ASSERT_EQ(lib().OpenCommPort(peer.slavePath().toLocal8Bit().constData()), -1);
        ASSERT_NE(lib().SetCommPortParam("9600,0,8,0,0"), 0);
        lib().OpenDisp(16, 80, 10, 10, 1, 0);  // CR ends a line
        std::array<char, 64> table{};
        table.fill('.');
        for (size_t code = 0; code < 32; ++code) table[2 * code] = char(0xFF);
        table[2 * 0x0D + 1] = table[2 * 0x0A + 1] = char(0xFF);
        lib().SetControlCodeDisp(table.data());
        for (int side : {0, 1})
            for (int16_t value = 0; value < 256; ++value) lib().ClearCodeCounter(value, 0, side);
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
    }

    // Polls as the main window does until `count` bytes have arrived (a
    // deadline of seconds, not a guess at how long the line takes).
    void receive(int32_t count) {
        std::vector<char> page(1800);
        int32_t received = 0;
        for (int i = 0; i < 400 && received < count; ++i) {
            int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
            int16_t ok = 0;
            lib().ReadDisp(page.data(), &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);
            ASSERT_EQ(ok, -1);
            received += bytesRead;
            if (received < count) QThread::msleep(5);
        }
        ASSERT_EQ(received, count);
    }

    PtyPeer peer;
};

TEST_F(ViewsPty, WhatTheFarSideWroteIsWhatTheViewsShow) {
    QByteArray text;
    for (int k = 0; text.size() < 6000; ++k)
        text += "line " + QByteArray::number(k) + " \x82\xA0\x82\xA2\xB1\r\n";
    for (qsizetype at = 0; at < text.size(); at += 2000) {
        peer.write(text.mid(at, 2000));
        receive(int32_t(text.mid(at, 2000).size()));
    }

    frms_Disp_Line lineViewA;
    lineViewA.Form_Load();
    QByteArray lines;
    for (int32_t k = 0; k < dispLineStore().DispLineCount; ++k) lines += dispLineStore().DispLines[size_t(k)];
    EXPECT_EQ(lines, text);

    frms_Disp_Line2 lineViewB;
    lineViewB.Form_Load();
    EXPECT_EQ(lineViewB.Text1->toPlainText(), cp932::toUnicode(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    frms_Code_disp counts;
    counts.Form_Load();
    EXPECT_EQ(counts.Label2->text(), formatCount(text.size()));
    for (int page = 0; page < 4; ++page) counts.Command2_Click();  // 80h-9Fh
    EXPECT_EQ(counts.lbld[2]->text(), QString::number(text.count(char(0x82))));  // 82h
}

TEST_F(ViewsPty, WhatTheProgramSendsIsWhatTheSentCountersCount) {
    const QByteArray line("Hello\r\n");
    int32_t written = 0;
    int16_t ok = 0;
    lib().SendData(line.constData(), int32_t(line.size()), &written, &ok);
    ASSERT_EQ(ok, -1);
    ASSERT_EQ(written, line.size());
    EXPECT_EQ(peer.farSideReceives(line.size()), line);

    frms_Code_disp_snd counts;
    counts.Form_Load();
    EXPECT_EQ(counts.Label2->text(), QStringLiteral("7"));
    for (int page = 0; page < 3; ++page) counts.Command2_Click();  // 60h-7Fh
    EXPECT_EQ(counts.lbld[0x6C - 0x60]->text(), QStringLiteral("2"));  // "l"
}

}  // namespace
