// The main window's translated key line over a recorder: the subset of the
// escape language it knows, and where it differs from the send scripts.
#include "../fkeys/recording_script_actions.h"
#include "terminal/key_line_escape.h"

#include <gtest/gtest.h>

namespace {

class KeyLineEscapeTest : public ::testing::Test {
  protected:
    void SetUp() override { shared() = SharedState{}; }

    RecordingScriptActions send(const QString& line) {
        RecordingScriptActions rec;
        SendTranslate(line, rec);
        return rec;
    }
};

TEST_F(KeyLineEscapeTest, LinesProduceExactSends) {
    struct Case {
        QString line;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"AB^0DCD", {"text 41", "text 42", "byte 0D", "text 43", "text 44"}},
        {"^(?)x.log^)",
         {"text 3F", "text 29", "text 78", "text 2E", "text 6C", "text 6F", "text 67"}},
        {"^{2}A^}", {"text 32", "text 7D", "text 41"}},
        {"^MA^m", {"text 41"}},
        {"A^", {"text 41"}},
        {"^^", {"text 5E"}},
        {"A\tB", {"text 41", "text 09", "text 42"}},
        {"^\rA^\nB", {"text 41", "text 42"}},
        {"^T\r05", {"text 30", "text 35"}},
        {QStringLiteral("ア^0D"), {"text 83 41", "byte 0D"}},
        {QStringLiteral("ｱ"), {"text B1"}},
        {"^T05^t12", {"wait 5000", "wait 1200"}},
        {"^G^g", {"break stoppable", "break stoppable"}},
        {"^%1^#0^%x", {"line 8001", "line 2"}},
        {"^[*]data.bin^]", {"file data.bin 1"}},
        {"^[Z]" + QString(100, u'n') + "^]", {"file " + std::string(100, 'n') + " 2"}},
        {QStringLiteral("^[?]受信.txt^]"), {"file 受信.txt 0"}},
        {"^[x]f^]", {"text 5D", "text 66"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(send(c.line).log, c.log);
    }
}

TEST_F(KeyLineEscapeTest, ClearsAStopRaisedBeforeIt) {
    shared().StopFlg = 1;
    EXPECT_EQ(send("A").sent, "A");
}

TEST_F(KeyLineEscapeTest, PumpsBeforeEveryTenthCharacter) {
    EXPECT_EQ(send(QString(25, u'x')).pumps, 2);
    EXPECT_EQ(send(QString(9, u'x')).pumps, 0);
}

TEST_F(KeyLineEscapeTest, StopEndsTheLineAtTheNextCharacter) {
    for (const char* step : {"wait", "break", "file"}) {
        SCOPED_TRACE(step);
        RecordingScriptActions rec;
        rec.onAction = [step](const std::string& line) {
            if (line.rfind(step, 0) == 0) shared().StopFlg = 1;
        };
        SendTranslate("A^T05^G^[?]f^]B", rec);
        EXPECT_EQ(rec.sent, "A");
        EXPECT_EQ(rec.log.back().rfind(step, 0), 0u);
    }
}

TEST_F(KeyLineEscapeTest, NoRepeatIndicatorOrTerminator) {
    const RecordingScriptActions rec = send("AB");
    EXPECT_EQ(rec.log, (std::vector<std::string>{"text 41", "text 42"}));
}

} // namespace
