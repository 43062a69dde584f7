// The send-script language over a recorder: what each script puts on the
// line, and which waits, breaks, line switches, file steps and questions it
// asks for.
#include "fkeys/script_interpreter.h"
#include "fkeys/sjis_text.h"
#include "recording_script_actions.h"

#include <gtest/gtest.h>

namespace {

struct ScriptCase {
    const char* name;
    QByteArray script;
    QByteArray sent;                 // bytes on the line
    std::vector<std::string> others; // every action that is not a send, in order
};

std::vector<std::string> nonSends(const RecordingScriptActions& rec) {
    std::vector<std::string> out;
    for (const auto& line : rec.actions())
        if (line.rfind("byte", 0) != 0 && line.rfind("text", 0) != 0) out.push_back(line);
    return out;
}

void runFunctionKey(const QByteArray& script, RecordingScriptActions& rec) {
    const auto units = scriptUnitsOfBytes(
        std::span(reinterpret_cast<const uint8_t*>(script.constData()), size_t(script.size())));
    runScript(units, FunctionKeyDialect, rec);
}

class ScriptInterpreterTest : public ::testing::Test {
  protected:
    void SetUp() override { shared() = SharedState{}; }
};

const QByteArray longName = QByteArray(70, 'a');

const ScriptCase cases[] = {
    {"hex bytes", "A^0D^0AB", "A\r\nB", {}},
    {"lower-case hex", "^1b^fF^0d^0a", "\x1b\xff\r\n", {}},
    {"no hex digit drops escape with both", "A^0GB", "AB", {}},
    {"caret doubled", "^^", "^", {}},
    {"unknown escape consumed", "^xA", "A", {}},
    {"trailing caret", "A^", "A", {}},
    {"script ends inside escape", "A^[?]abc", "A", {}},
    {"line breaks skipped", "AB\r\nCD", "ABCD", {}},
    {"controls skipped inside escapes", "^\r0\nD^T0\r\n5", "\r", {"wait 5000"}},
    {"tab skipped in plain", "A\tB", "AB", {}},
    {"wait seconds", "^T05", "", {"wait 5000"}},
    {"wait tenths", "^t05", "", {"wait 500"}},
    {"wait zero", "^t00", "", {"wait 0"}},
    {"wait longest", "^T99", "", {"wait 99000"}},
    {"wait needs two digits", "^T5xA", "A", {}},
    {"wait letter drops", "^TxA", "A", {}},
    {"break", "^GA^g", "A", {"break", "break"}},
    {"rts and dtr", "^%1^#0", "", {"line 8001", "line 2"}},
    {"rts off dtr on", "^%0^#1", "", {"line 1", "line 8002"}},
    {"line switch other char", "^%xA", "A", {}},
    {"repeat three", "^{3}X^}", "XXX", {}},
    {"repeat zero runs once", "^{0}X^}", "X", {}},
    {"repeat one runs once", "^{1}X^}", "X", {}},
    {"repeat ignores non-digits", "^{1a2}X^}", QByteArray(12, 'X'), {}},
    {"repeat of ten digits runs once", "^{1234567890}X^}", "X", {}},
    {"repeat nine digits kept", "^{000000002}X^}", "XX", {}},
    {"one repeat level", "^{2}A^{3}B^}^}", "A3}BA3}B", {}},
    {"end without open repeat", "A^}B", "AB", {}},
    {"file plain", "^[?]f.txt^]", "", {"file f.txt 0"}},
    {"file dle", "^[*]data.bin^]", "", {"file data.bin 1"}},
    {"file ctrl-z", "^[Z]f^]^[z]g^]", "", {"file f 2", "file g 2"}},
    {"file bad option", "^[x]f^]", "]f", {}},
    {"file missing bracket", "^[?x", "", {}},
    {"file bad end", "^[?]f^xA", "A", {}},
    {"file name over 64 bytes", "^[?]" + longName + "^]", longName, {}},
    {"receive raw", "^(?)rx.log^)", "", {"receive rx.log 0"}},
    {"receive dle keeps name", "^(*)C:\\rx.bin^)", "", {"receive C:\\rx.bin 1"}},
    {"receive ctrl-z", "^(Z)r^)^(z)s^)", "", {"receive r 2", "receive s 2"}},
    {"receive bad option", "^(x)A", ")A", {}},
    {"receive missing paren", "^(?xA", "A", {}},
    {"receive bad end", "^(?)r^xA", "A", {}},
    {"receive name over 64 bytes", "^(?)" + longName + "^)", longName, {}},
    {"controls skipped in names", "^[?]a\r\nb^]", "", {"file ab 0"}},
    {"lead byte keeps caret", "\x83^0D", "\x83^0D", {}},
    {"escape after double-byte char", "\x83\x41^0D", "\x83\x41\r", {}},
    {"lead rule only in plain text", "^[?]\x83^]", "", {"file \xE3\x83\xBB 0"}},
};

TEST_F(ScriptInterpreterTest, ScriptsProduceExactBytesAndSteps) {
    for (const ScriptCase& c : cases) {
        SCOPED_TRACE(c.name);
        shared().StopFlg = 0;
        RecordingScriptActions rec;
        runFunctionKey(c.script, rec);
        EXPECT_EQ(rec.sent.toHex(' '), c.sent.toHex(' '));
        EXPECT_EQ(nonSends(rec), c.others);
    }
}

TEST_F(ScriptInterpreterTest, HexAndLineSwitchesRefreshTheStatusInPlace) {
    RecordingScriptActions rec;
    rec.logStatus = true;
    runFunctionKey("A^0DB^%1", rec);
    const std::vector<std::string> expected{"byte 41",   "byte 0D", "status", "byte 42",
                                            "line 8001", "status",  "lamps"};
    EXPECT_EQ(rec.actions(), expected);
}

TEST_F(ScriptInterpreterTest, StatusRefreshesBeforeByte22AndEvery21After) {
    RecordingScriptActions rec;
    rec.logStatus = true;
    runFunctionKey(QByteArray(50, 'A'), rec);
    std::vector<size_t> statusAt;
    size_t bytes = 0;
    for (const auto& line : rec.log) {
        if (line == "status") statusAt.push_back(bytes);
        if (line.rfind("byte", 0) == 0) ++bytes;
    }
    EXPECT_EQ(statusAt, (std::vector<size_t>{21, 42}));
    EXPECT_GE(rec.pumps, 50);
}

TEST_F(ScriptInterpreterTest, RepeatShowsIndicatorAndHidesItAtTheEnd) {
    RecordingScriptActions rec;
    runFunctionKey("^{2}X^}Y", rec);
    const std::vector<std::string> expected{"byte 58",    "repeat on", "byte 58",   "repeat on",
                                            "repeat off", "byte 59",   "repeat off"};
    EXPECT_EQ(rec.log, expected);
}

TEST_F(ScriptInterpreterTest, MouseClickWaitNoEndsTheScript) {
    RecordingScriptActions no;
    no.answerYes = false;
    runFunctionKey("A^MB", no);
    EXPECT_EQ(no.sent, "A");
    EXPECT_EQ(no.log.back(), "repeat off");

    RecordingScriptActions yes;
    runFunctionKey("A^mB", yes);
    EXPECT_EQ(yes.sent, "AB");
}

TEST_F(ScriptInterpreterTest, StopMidWaitEndsTheScript) {
    RecordingScriptActions rec;
    rec.onAction = [](const std::string& line) {
        if (line.rfind("wait", 0) == 0) shared().StopFlg = 1;
    };
    runFunctionKey("A^T05B^0D", rec);
    EXPECT_EQ(rec.sent, "A");
    EXPECT_EQ(rec.log.back(), "repeat off");
}

TEST_F(ScriptInterpreterTest, StopMidEndlessRepeatEndsTheScript) {
    RecordingScriptActions rec;
    int xs = 0;
    rec.onAction = [&xs](const std::string& line) {
        if (line == "byte 58" && ++xs == 5) shared().StopFlg = 1;
    };
    runFunctionKey("^{}X^}", rec);
    EXPECT_EQ(rec.sent, "XXXXX");
}

// A pass that neither sends nor waits sleeps on the event queue before the
// next one; a pass that does either goes straight on. Stop after pass 5.
TEST_F(ScriptInterpreterTest, RepeatPassesThatDoNothingSleepBeforeTheNext) {
    struct Case {
        const char* script;
        bool fileStepsWork;
        int sleeps;
    };
    const Case cases[] = {
        {"^{}^x\r\n^t00^%1^}", true, 5}, // dropped escape, controls, no wait, a line switch
        {"^{}^[?]missing^]^}", false, 5},
        {"^{3}^}", true, 2},
        {"^{}X^}", true, 0},
        {"^{}^t01^G^m^}", true, 0},
        {"^{}^(?)rx.log^)^}", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        shared().StopFlg = 0;
        RecordingScriptActions rec;
        rec.fileStepsWork = c.fileStepsWork;
        int passes = 0;
        rec.onAction = [&passes](const std::string& line) {
            if (line == "repeat on" && ++passes == 5) shared().StopFlg = 1;
        };
        runFunctionKey(c.script, rec);
        EXPECT_EQ(rec.waitingPumps, c.sleeps);
    }
}

TEST_F(ScriptInterpreterTest, StopAlreadyRaisedSendsNothing) {
    shared().StopFlg = 1;
    RecordingScriptActions rec;
    runFunctionKey("ABC", rec);
    EXPECT_TRUE(rec.sent.isEmpty());
}

TEST_F(ScriptInterpreterTest, FailedSendEndsTheScriptAtOnce) {
    for (const QByteArray& script :
         {QByteArray("AB^0DC"), QByteArray("A^^C"), "A^(?)" + longName + "^)"}) {
        SCOPED_TRACE(script.toStdString());
        RecordingScriptActions rec;
        rec.failSendAfter = 1;
        runFunctionKey(script, rec);
        EXPECT_EQ(rec.sent, "A");
    }
}

TEST_F(ScriptInterpreterTest, BuildSjisTextPairsLeadBytesOnlyWithTrailBytes) {
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"abc", QStringLiteral("abc")},
        {"\x83\x41", QStringLiteral("ア")},
        {"\xb1", QStringLiteral("ｱ")},
        {"\x83"
         "1",
         QStringLiteral("・1")}, // a lead byte before a byte below 40h stands alone
        {"a\x83", QStringLiteral("a・")},
    };
    for (const Case& c : cases) {
        QString text = QStringLiteral(">");
        BuildSjisText(text, std::span(reinterpret_cast<const uint8_t*>(c.bytes.constData()),
                                      size_t(c.bytes.size())));
        EXPECT_EQ(text, QStringLiteral(">") + c.text) << c.bytes.toHex().toStdString();
    }
}

} // namespace
