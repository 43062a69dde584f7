// The data views over a real pseudo-terminal: what the far side writes, in
// more than one terminal read, is what the line views and the received-byte
// counters show, and what the program sends is what the sent-byte counters
// count.
#include "views_fixture.h"

#include "core/count_text.h"
#include "pty_peer.h"
#include "text/cp932.h"
#include "views/code_count_window.h"
#include "views/disp_lines.h"
#include "views/frms_Disp_Line.h"
#include "views/frms_Disp_Line2.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

class ViewsPty : public ViewsTestBase {
  protected:
    void SetUp() override {
        ViewsTestBase::SetUp();
        ASSERT_FALSE(peer.slavePath().isEmpty());
        ASSERT_EQ(lib().OpenCommPort(peer.slavePath().toLocal8Bit().constData()), -1);
        ASSERT_NE(lib().SetCommPortParam("9600,0,8,0,0"), 0);
        setDisplay(1, 0); // CR ends a line
        for (int16_t side : {0, 1})
            for (int16_t value = 0; value < 256; ++value)
                lib().ClearCodeCounter(value, 0, side);
    }

    PtyPeer peer;
};

TEST_F(ViewsPty, WhatTheFarSideWroteIsWhatTheViewsShow) {
    QByteArray text;
    for (int k = 0; text.size() < 6000; ++k)
        text += "line " + QByteArray::number(k) + " \x82\xA0\x82\xA2\xB1\r\n";
    for (qsizetype at = 0; at < text.size(); at += 2000) {
        peer.write(text.mid(at, 2000));
        receiveUntil(int32_t(text.mid(at, 2000).size()));
    }

    frms_Disp_Line lineViewA;
    lineViewA.Form_Load();
    QByteArray lines;
    for (int32_t k = 0; k < dispLineStore().DispLineCount; ++k)
        lines += dispLineStore().DispLines[size_t(k)];
    EXPECT_EQ(lines, text);

    frms_Disp_Line2 lineViewB;
    lineViewB.Form_Load();
    EXPECT_EQ(lineViewB.Text1->toPlainText(),
              cp932::toUnicode(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    frms_Code_disp counts;
    counts.Form_Load();
    EXPECT_EQ(counts.Label2->text(), formatCount(text.size()));
    for (int page = 0; page < 4; ++page)
        counts.Command2_Click();                                                // 80h-9Fh
    EXPECT_EQ(counts.lbld[2]->text(), QString::number(text.count(char(0x82)))); // 82h
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
    for (int page = 0; page < 3; ++page)
        counts.Command2_Click();                                      // 60h-7Fh
    EXPECT_EQ(counts.lbld[0x6C - 0x60]->text(), QStringLiteral("2")); // "l"
}

} // namespace
