// The file send: its conversion table, its progress steps, and the window
// against a pseudo-terminal whose far side a thread reads, with the bytes
// checked as the far side got them.
#include "core/capture_file.h"
#include "core/error_messages.h"
#include "files/file_byte_source.h"
#include "files/file_picker.h"
#include "files/frms_File.h"
#include "files/send_conversion.h"
#include "files/send_progress.h"
#include "files_fixture.h"
#include "modal_auto_closer.h"
#include "not_regular_files.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes convert(const SendConversion& c, uint8_t b) {
    uint8_t out[2] = {0xEE, 0xEE};
    const int n = convertSendByte(c, b, std::span<uint8_t, 2>(out));
    return Bytes(out, out + n);
}

TEST(SendConversionTable, EveryModeOfEveryCode) {
    const struct {
        SendConversion c;
        uint8_t in;
        Bytes out;
    } cases[] = {
        {{.cr = 0}, 0x0D, {0x0D}},
        {{.cr = 1}, 0x0D, {0x0D, 0x0A}},
        {{.cr = 2}, 0x0D, {}},
        {{.lf = 0}, 0x0A, {0x0A}},
        {{.lf = 1}, 0x0A, {0x0D, 0x0A}},
        {{.lf = 2}, 0x0A, {}},
        {{.bs = 0}, 0x08, {0x08}},
        {{.bs = 1}, 0x08, {0x7F}},
        {{.bs = 2}, 0x08, {0x00}},
        {{.bs = 3}, 0x08, {}},
        {{.del = 0}, 0x7F, {0x7F}},
        {{.del = 1}, 0x7F, {0x08}},
        {{.del = 2}, 0x7F, {0x00}},
        {{.del = 3}, 0x7F, {}},
        {{.nul = 0}, 0x00, {0x00}},
        {{.nul = 1}, 0x00, {}},
        {{.sub = 0}, 0x1A, {0x1A}},
        {{.sub = 1}, 0x1A, {}},
        // Nothing is converted twice: the BS that DEL becomes is not then
        // dropped, nor the NUL that BS becomes, nor the LF of a CR LF.
        {{.bs = 3, .del = 1}, 0x7F, {0x08}},
        {{.bs = 2, .nul = 1}, 0x08, {0x00}},
        {{.cr = 1, .lf = 2}, 0x0D, {0x0D, 0x0A}},
        // XON and XOFF are tested first, and only under software flow.
        {{.flow = 2}, 0x11, {}},
        {{.flow = 2}, 0x13, {}},
        {{.flow = 1}, 0x11, {0x11}},
        {{.flow = 0}, 0x13, {0x13}},
        {{.cr = 1, .flow = 2}, 0x0D, {0x0D, 0x0A}},
        {{.cr = 2, .lf = 2, .bs = 3, .del = 3, .nul = 1, .sub = 1, .flow = 2}, 0x41, {0x41}},
        {{.cr = 2, .lf = 2, .bs = 3, .del = 3, .nul = 1, .sub = 1, .flow = 2}, 0xFF, {0xFF}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convert(c.c, c.in), c.out) << int(c.in);
}

TEST(SendProgressSteps, ShownAtEveryEleventhChunkWhileAtMostAHundredPercent) {
    SendProgress progress(100);
    std::vector<int> shownAt;
    for (int chunk = 1; chunk <= 40; ++chunk)
        if (progress.chunkStarts()) shownAt.push_back(chunk);
    EXPECT_EQ(shownAt, std::vector<int>({11, 22, 33}));

    EXPECT_EQ(progress.percent(0), 0);
    EXPECT_EQ(progress.percent(37), 37);
    EXPECT_EQ(progress.percent(100), 100);
    EXPECT_EQ(progress.percent(120), std::nullopt) << "CR LF expansion beyond the length";
    EXPECT_EQ(SendProgress(200).percent(1), 0); // 0.5
    EXPECT_EQ(SendProgress(200).percent(3), 2); // 1.5
    const int64_t fiveGiB = int64_t(5) << 30;
    EXPECT_EQ(SendProgress(fiveGiB).percent(fiveGiB / 4), 25) << "no 32-bit overflow";
}

// File contents that never hold the far side's marker byte.
QByteArray fileBytes(int length) {
    return countingBytes(length, 200);
}
const QByteArray kConvertedFile("\x41\x0D\x0A\x42\x08\x7F\x00\x1A\x11\x13", 10);

class FileSendTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        settings().SendFileFolder = folder;
    }

    // A fresh window on the folder with `name` stored and selected.
    std::unique_ptr<frms_File> windowWith(const QString& name, const QByteArray& bytes) {
        writeFileBytes(inFolder(name), bytes);
        auto w = std::make_unique<frms_File>();
        w->Form_Load();
        w->show();
        select(*w, name);
        return w;
    }

    static void select(frms_File& w, const QString& name) {
        const QList<QListWidgetItem*> items = w.picker->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        w.picker->File1->setCurrentItem(items.front());
    }

    // Runs `action` once, at the first pump of a send whose pass label reads
    // `passText`.
    static void duringPass(frms_File& w, const QString& passText, std::function<void()> action) {
        auto* watch = new QTimer(&w);
        watch->setInterval(0);
        QObject::connect(watch, &QTimer::timeout, watch, [watch, &w, passText, action] {
            if (w.Lbl_Kuri->text() != passText) return;
            watch->stop();
            action();
        });
        watch->start();
    }

    // Ticks or unticks "繰り返し送信する" as the user does.
    static void setRepeat(frms_File& w, bool repeat) {
        if (w.Chk_Kuri->isChecked() != repeat) w.Chk_Kuri->click();
    }

    static QByteArray times(const QByteArray& bytes, int n) { return bytes.repeated(n); }
};

TEST_F(FileSendTest, EachCodeLeavesAsChosen) {
    openPort();
    Settings& st = settings();
    st.CrSendMode = 1;
    st.LfSendMode = 1;
    st.BsSendMode = 1;
    st.DelSendMode = 1;
    st.NulSendMode = 1;
    st.SubSendMode = 1;
    FarSideReader far(peer);
    auto w = windowWith("codes.bin", kConvertedFile);
    ModalAutoCloser closer;
    w->Command1_Click();
    EXPECT_EQ(closer.count(), 0);
    EXPECT_EQ(far.takeUpToMarker().toHex(' '),
              QByteArray("\x41\x0D\x0A\x0D\x0A\x42\x7F\x08\x11\x13", 10).toHex(' '));
    EXPECT_EQ(w->busyFlag(), 0);
    EXPECT_TRUE(w->Command2->isHidden());
    EXPECT_FALSE(w->Command1->isHidden());
    EXPECT_TRUE(w->Picture1->isHidden());
    EXPECT_TRUE(w->picker->File1->isEnabled());
}

TEST_F(FileSendTest, ARepeatSendsTheFileAsOftenAsTheBoxSays) {
    openPort();
    FarSideReader far(peer);
    const QByteArray file = fileBytes(3000);
    const struct {
        const char* typed;
        int passes;
        const char* shown;
    } cases[] = {{"3", 3, "3"}, {"0", 1, "1"}, {"1", 1, "1"}, {"2.5", 2, "2"}, {"abc", 2, "2"}};
    for (const auto& c : cases) {
        auto w = windowWith("rep.bin", file);
        setRepeat(*w, true);
        w->Txt_Kuri->setText(c.typed);
        QStringList passTexts;
        auto* watch = new QTimer(w.get());
        watch->setInterval(0);
        QObject::connect(watch, &QTimer::timeout, watch, [&] {
            if (!w->Lbl_Kuri->text().isEmpty() &&
                (passTexts.isEmpty() || passTexts.back() != w->Lbl_Kuri->text()))
                passTexts << w->Lbl_Kuri->text();
        });
        watch->start();
        w->Command1_Click();
        delete watch;
        const QByteArray sent = far.takeUpToMarker();
        EXPECT_EQ(sent.size(), file.size() * c.passes) << c.typed;
        EXPECT_EQ(sent, times(file, c.passes)) << c.typed;
        EXPECT_EQ(w->Txt_Kuri->text(), c.shown) << c.typed;
        EXPECT_EQ(passTexts.size(), c.passes) << c.typed;
        EXPECT_EQ(passTexts.back(), QString::number(c.passes) + " 回目送信中") << c.typed;
        EXPECT_TRUE(w->Lbl_Kuri->text().isEmpty());
    }
}

TEST_F(FileSendTest, UnderSoftwareFlowXonAndXoffStayBehindAfterYesAndNothingLeavesAfterNo) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    FarSideReader far(peer);
    {
        auto w = windowWith("flow.bin", QByteArray("\x11\x41\x13", 3));
        clickInNextModal("はい");
        w->Command1_Click();
        EXPECT_EQ(far.takeUpToMarker(), QByteArray("A"));
    }
    {
        auto w = windowWith("flow.bin", QByteArray("\x11\x41\x13", 3));
        w->Check1->click();
        clickInNextModal("いいえ");
        w->Command1_Click();
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_TRUE(w->isVisible()) << "a cancelled send does not close the window";
        EXPECT_EQ(far.takeUpToMarker(), QByteArray());
    }
}

TEST_F(FileSendTest, WithoutSoftwareFlowNothingIsAskedAndXonXoffAreData) {
    openPort();
    FarSideReader far(peer);
    auto w = windowWith("flow.bin", QByteArray("\x11\x41\x13", 3));
    ModalAutoCloser closer;
    w->Command1_Click();
    EXPECT_EQ(closer.count(), 0);
    EXPECT_EQ(far.takeUpToMarker(), QByteArray("\x11\x41\x13", 3));
}

TEST_F(FileSendTest, ACompletedSendClosesTheWindowWhenAskedAnEmptyFileDoesNot) {
    openPort();
    FarSideReader far(peer);
    {
        auto w = windowWith("empty.bin", QByteArray());
        w->Check1->click();
        setRepeat(*w, true);
        w->Txt_Kuri->setText("3");
        w->Command1_Click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(far.takeUpToMarker(), QByteArray());
    }
    {
        auto w = windowWith("one.bin", "x");
        setRepeat(*w, false);
        ASSERT_TRUE(w->Check1->isChecked()) << "kept from the first window";
        w->Command1_Click();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(far.takeUpToMarker(), QByteArray("x"));
    }
}

TEST_F(FileSendTest, TheCapturesFileIsRefusedUnderAnySpelling) {
    openPort();
    FarSideReader far(peer);
    ASSERT_TRUE(QDir().mkpath(inFolder("sub")));
    auto w = windowWith("cap.log", "captured so far");
    shared().LogFilePath = inFolder("sub/../cap.log");
    ModalAutoCloser closer;
    w->Command1_Click();
    EXPECT_EQ(closer.texts(), QStringList({"このファイルはロギング処理で使用しています｡"}));
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(far.takeUpToMarker(), QByteArray());
    EXPECT_TRUE(w->Command2->isHidden());
}

TEST_F(FileSendTest, WithThePortClosedOnlyTheWarningShows) {
    FarSideReader far(peer);
    auto w = windowWith("x.bin", "abc");
    setRepeat(*w, true);
    w->Txt_Kuri->setText("5");
    ModalAutoCloser closer;
    w->Command1_Click();
    EXPECT_EQ(closer.count(), 1);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(w->busyFlag(), 0);
}

TEST_F(FileSendTest, RepeatRulesFollowTheBoxAsThePassesEnd) {
    openPort();
    FarSideReader far(peer);
    const QByteArray file = fileBytes(2000);
    const struct {
        const char* name;
        bool tickedAtStart;
        const char* count;
        const char* during; // the pass whose first pump acts
        bool tick, untick, cancel;
        int fullPasses; // passes sent whole; -1: the send was cut short
    } cases[] = {
        {"untick in pass 2 of 5", true, "5", "2 回目送信中", false, true, false, 2},
        {"tick in a single send", false, "2", "1 回目送信中", true, false, false, 3},
        {"tick then cancel", false, "4", "1 回目送信中", true, false, true, -1},
        {"cancel in pass 2 of 3", true, "3", "2 回目送信中", false, false, true, -1},
    };
    for (const auto& c : cases) {
        auto w = windowWith("rules.bin", file);
        setRepeat(*w, c.tickedAtStart);
        w->Txt_Kuri->setText(c.count);
        duringPass(*w, c.during, [&w, &c] {
            if (c.tick || c.untick) w->Chk_Kuri->click();
            if (c.cancel) w->Command2->click();
        });
        w->Command1_Click();
        const QByteArray sent = far.takeUpToMarker();
        if (c.fullPasses >= 0) {
            EXPECT_EQ(sent, times(file, c.fullPasses)) << c.name;
        } else {
            EXPECT_EQ(shared().StopFlg, 1) << c.name;
            EXPECT_LT(sent.size(), file.size() * QByteArray(c.during).left(1).toInt()) << c.name;
            EXPECT_TRUE(times(file, 4).startsWith(sent)) << c.name;
        }
        EXPECT_EQ(w->busyFlag(), 0) << c.name;
    }
}

// The far side goes away during a repeated send: the send's failed call and
// the receive poll's failing reads are one lost line, told once; no further
// pass begins.
TEST_F(FileSendTest, ALineThatGoesAwayIsToldOnceAndEndsTheSend) {
    openPort();
    form->Timer1->setEnabled(true);
    auto w = windowWith("long.bin", fileBytes(64000));
    setRepeat(*w, true);
    w->Txt_Kuri->setText("3");
    duringPass(*w, "1 回目送信中", [this] { peer.closeMaster(); });
    ModalAutoCloser boxes;
    w->Command1_Click();
    for (int tick = 0; tick < 3; ++tick)
        Timer1_Timer();
    EXPECT_EQ(boxes.texts(), QStringList({"APIに異常がありました｡"}));
    EXPECT_EQ(w->busyFlag(), 0);
    EXPECT_EQ(shared().StopFlg, 1);
}

TEST_F(FileSendTest, TheCloseBoxIsRefusedWhileSending) {
    openPort();
    FarSideReader far(peer);
    auto w = windowWith("long.bin", fileBytes(4000));
    bool stayedOpen = false;
    duringPass(*w, "1 回目送信中", [&] {
        w->close();
        stayedOpen = w->isVisible();
        w->Command2->click();
    });
    w->Command1_Click();
    EXPECT_TRUE(stayedOpen);
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(shared().StopFlg, 1);
    far.takeUpToMarker();
}

TEST_F(FileSendTest, ClosingKeepsTheFolderAndTheTypedCount) {
    settings().KuriCount = 4;
    QDir().mkpath(inFolder("elsewhere"));
    {
        auto w = windowWith("a.bin", "a");
        EXPECT_EQ(w->Txt_Kuri->text(), "4");
        EXPECT_FALSE(w->Txt_Kuri->isEnabled());
        w->Txt_Kuri->setText("x");
        w->close();
        EXPECT_EQ(settings().KuriCount, 4);
    }
    {
        auto w = windowWith("a.bin", "a");
        w->Txt_Kuri->setText("7");
        w->picker->Dir1_Open(w->picker->Dir1->count() - 1);
        w->close();
        EXPECT_EQ(settings().KuriCount, 7);
        EXPECT_EQ(settings().SendFileFolder, inFolder("elsewhere"));
    }
}

} // namespace

namespace {

TEST(FileByteSourceReads, TheWholeLengthAndNothingElse) {
    QTemporaryDir dir;
    const QString big = dir.filePath("big.bin");
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize((int64_t(1) << 31) + 10)); // sparse, over 2 GiB
    }
    FileByteSource source;
    ASSERT_EQ(source.open(big), 0);
    EXPECT_EQ(source.length(), (int64_t(1) << 31) + 10);

    const QString shrinking = dir.filePath("shrinking.bin");
    writeFileBytes(shrinking, "abcdef");
    ASSERT_EQ(source.open(shrinking), 0);
    ASSERT_TRUE(QFile(shrinking).resize(2));
    QByteArray got;
    while (source.hasByte())
        got += char(source.takeByte());
    EXPECT_EQ(got, "ab");
    EXPECT_EQ(source.error(), kFileReadFailed) << "a file cut short is not sent as complete";

    EXPECT_NE(source.open(dir.filePath("missing.bin")), 0);
    for (const NotRegularFile& name : notRegularFiles(dir.path()))
        EXPECT_NE(source.open(name.path), 0) << name.kind;
}

} // namespace
