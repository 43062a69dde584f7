// The key runner over key files in a folder of their own: what each header
// sends, the terminators of every mode, and the files it refuses.
#include "fake_send_host.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_runner.h"
#include "key_folder_fixture.h"

namespace {

class FkeyRunnerTest : public KeyFolderTest {
  protected:
    void SetUp() override {
        KeyFolderTest::SetUp();
        RecordingLine::install(host_);
    }
    void TearDown() override { RecordingLine::uninstall(); }

    void storeKey(int keyNo, const QByteArray& contents) {
        writeFileBytes(ufDataFilePath(keyNo), contents);
    }

    QByteArray run(const QByteArray& contents) {
        storeKey(7, contents);
        host_.sent.clear();
        SendUFKey(host_, 7, nullptr);
        return host_.sent;
    }

    FakeSendHost host_;
};

TEST_F(FkeyRunnerTest, TerminatorOfEveryCodeInEveryMode) {
    struct Case {
        QByteArray file;
        QByteArray sent;
    };
    const Case cases[] = {
        // Normal: the data, then the terminator (4 to 9 act as LF).
        {"100AB", "AB\r"},
        {"110AB", "AB\r\n"},
        {"120AB", "AB"},
        {"130AB", "AB\n"},
        {"190AB", "AB\n"},
        // Translated: the script, then the terminator (4 to 9 give nothing).
        {"101A^42", "AB\r"},
        {"111A^42", "AB\r\n"},
        {"121A^42", "AB"},
        {"131A^42", "AB\n"},
        {"191A^42", "AB"},
        // Single key: the first byte alone; a CR stands for the terminator.
        {"000AB", "A"},
        {"020AB", "A"},
        {"000\rB", "\r"},
        {"010\rB", "\r\n"},
        {"020\rB", ""},
        {"030\rB", "\n"},
        {"090\r", "\n"},
        {"221\x83\x41", "\x83"},
        // Header only.
        {"100", "\r"},
        {"121", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(run(c.file).toHex(' '), c.sent.toHex(' '));
    }
}

TEST_F(FkeyRunnerTest, DataIsSentExactlyAsStored) {
    EXPECT_EQ(run("120A\r\nB\x1a"), "A\r\nB\x1a");
    EXPECT_EQ(run(QByteArray("120A\0", 5)), QByteArray("A\0", 2));
    EXPECT_EQ(shared().SendFileLen, 2);
    EXPECT_EQ(run("120^41"), "^41") << "only a translated key is a script";
}

TEST_F(FkeyRunnerTest, TerminatorFollowsAScriptEndedByNo) {
    host_.answer = 7;
    EXPECT_EQ(run("101A^MB"), "A\r");
}

TEST_F(FkeyRunnerTest, RefusedFilesSendNothingQuietly) {
    for (const QByteArray& file :
         {QByteArray("1A0AB"), QByteArray(" 20AB"), QByteArray("10"), QByteArray("")}) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_TRUE(run(file).isEmpty());
    }
    QFile::remove(ufDataFilePath(8));
    SendUFKey(host_, 8, nullptr);
    EXPECT_TRUE(host_.sent.isEmpty());
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(FkeyRunnerTest, SingleKeyWithoutDataSendsNothing) {
    EXPECT_TRUE(run("000").isEmpty());
    EXPECT_TRUE(run("090").isEmpty());
}

TEST_F(FkeyRunnerTest, ThirtyThousandBytesAreTheMost) {
    EXPECT_EQ(run("120" + QByteArray(30000, 'x')).size(), 30000);
    EXPECT_TRUE(host_.messages.empty());

    EXPECT_TRUE(run("120" + QByteArray(30001, 'x')).isEmpty());
    EXPECT_EQ(host_.messages,
              (std::vector<QString>{QStringLiteral("ファイルを開くことが出来ません")}));
}

TEST_F(FkeyRunnerTest, NormalSendPumpsEvery21BytesAndStops) {
    storeKey(3, "120" + QByteArray(100, 'x'));
    host_.onPump = [this] {
        if (host_.pumps == 2) shared().StopFlg = 1;
    };
    SendUFKey(host_, 3, nullptr);
    // Pumps at bytes 21 and 42; the stop seen before byte 42 still lets
    // the terminator make its one try (none for code 2).
    EXPECT_EQ(host_.sent, QByteArray(41, 'x'));
}

TEST_F(FkeyRunnerTest, RefusedByteEndsTheKeyWithoutTerminator) {
    host_.failSendAfter = 1;
    EXPECT_EQ(run("110ABC"), "A");
}

TEST_F(FkeyRunnerTest, ScriptIsBoundedToItsOwnLength) {
    // Bytes left in the buffer by a longer key are not part of a shorter one.
    run("121ABCDEFGH");
    EXPECT_EQ(run("121XY"), "XY");
    EXPECT_EQ(ufDataScript(-5).size(), 0u);
    EXPECT_EQ(ufDataScript(40000).size(), size_t(UFMaxSendBytes));
}

} // namespace
