// The DLE-framed transfer: the frame writer's table, a send stopped wherever
// the port cut a chunk, the transfer window
// sending to a pseudo-terminal (the bytes as the far side got them) and
// receiving from it through the main window's own receive poll and the
// library's decoder, with the result it reports.
#include "condition_wait.h"
#include "core/count_text.h"
#include "dle.h"
#include "file_size_limit.h"
#include "files/dle_frame.h"
#include "files/dle_transfer.h"
#include "files/file_picker.h"
#include "files/frms_File_Original.h"
#include "files_fixture.h"
#include "modal_auto_closer.h"
#include "recording_send_line.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <memory>
#include <optional>
#include <vector>

namespace {

// The whole stream of a file sent to the end.
QByteArray framed(const QByteArray& file, int16_t flow) {
    QByteArray line;
    for (const char c : file) {
        uint8_t out[2];
        line.append(reinterpret_cast<const char*>(out),
                    DleFrame(uint8_t(c), flow, std::span<uint8_t, 2>(out)));
    }
    for (const uint8_t b : DleTrailer().bytes(true))
        line += char(b);
    return line;
}

// The far side's reading of the line, by the library's own decoder: the file
// bytes it wrote, and the DleEndCode when the stream ended at the line's last
// byte (-1 when it did not end, or bytes followed its end).
struct FarSideFile {
    QByteArray data;
    int32_t end = -1;
};

FarSideFile decodeLine(const QByteArray& line) {
    FarSideFile file;
    int16_t pendingDle = 0;
    int32_t code = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const uint8_t in = uint8_t(line[i]);
        uint8_t out = 0;
        const tovaline::DleDecoded d = tovaline::decodeDleFrame(&in, 1, &out, pendingDle, code);
        if (d.length == 1) file.data += char(out);
        if (d.stopped) {
            if (i == line.size() - 1) file.end = code;
            break;
        }
    }
    return file;
}

TEST(DleFrameWriter, DoublesDleLeavesOutXonXoffUnderSoftFlowAndEndsWithDleEot) {
    const struct {
        QByteArray file;
        int16_t flow;
        QByteArray line;
    } cases[] = {
        {"", FlowNone, "\x10\x04"},
        {"\x41\x10\x42", FlowNone, "\x41\x10\x10\x42\x10\x04"},
        {"\x10\x10", FlowNone, "\x10\x10\x10\x10\x10\x04"},
        {QByteArray("\x04\x18\x10", 3), FlowNone, QByteArray("\x04\x18\x10\x10\x10\x04", 6)},
        {"\x11\x41\x13", FlowHard, "\x11\x41\x13\x10\x04"},
        {"\x11\x41\x13", FlowSoft, "\x41\x10\x04"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(framed(c.file, c.flow).toHex(' '), c.line.toHex(' ')) << c.file.toHex(' ').data();
}

TEST(DleFrameWriter, AStoppedStreamCompletesAPairTheLineTookHalfOfBeforeDleCan) {
    const struct {
        QByteArray took;
        QByteArray trailer;
    } cases[] = {
        {"", "\x10\x18"},
        {"A", "\x10\x18"},
        {"\x10", "\x10\x10\x18"},
        {"\x10\x10", "\x10\x18"},
        {"\x10\x10\x10", "\x10\x10\x18"},
        {"A\x10\x10\x10\x10"
         "B\x10",
         "\x10\x10\x18"},
        {"\x10\x10\x10"
         "B",
         "\x10\x18"},
    };
    for (const auto& c : cases) {
        DleTrailer trailer;
        for (const char b : c.took)
            trailer.took(uint8_t(b));
        const std::span<const uint8_t> bytes = trailer.bytes(false);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()).toHex(' '),
                  c.trailer.toHex(' '))
            << c.took.toHex(' ').data();
    }
}

// The file's bytes as the far side can get them under the flow control given.
QByteArray withoutFlowCodes(QByteArray file, int16_t flow) {
    return flow == FlowSoft ? file.replace('\x11', "").replace('\x13', "") : file;
}

TEST(DleSendStop, WhereverThePortCutsAChunkTheLineDecodesToAPrefixOfTheFileAndTheCancel) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/send.bin";
    const QByteArray mixed = QByteArray("\x10\x10"
                                        "A\x11\x10\x13"
                                        "B\x10")
                                 .repeated(6);
    const struct {
        const char* name;
        QByteArray file;
        int16_t flow;
    } cases[] = {
        {"all dle", QByteArray(48, '\x10'), FlowNone},
        {"mixed", mixed, FlowNone},
        {"mixed under xon/xoff", mixed, FlowSoft},
    };
    RecordingSendLine line;
    for (const auto& c : cases) {
        writeFileBytes(path, c.file);
        // The first chunk goes whole; the second is cut after each of its
        // bytes in turn, and the send is stopped right then.
        for (int cut = 1; cut < 32; ++cut) {
            SCOPED_TRACE(std::string(c.name) + " cut after " + std::to_string(cut));
            shared() = SharedState{};
            shared().FlowMode = c.flow;
            line.wire.clear();
            line.replies = {takes(-1), takes(cut, [] { shared().StopFlg = 1; })};
            const DleSendEnd end = SendDleFile(path, {
                                                         .fileOpened = [](int64_t) {},
                                                         .progress = [](int) {},
                                                         .cancelled = [] { return false; },
                                                     });
            EXPECT_EQ(end, DleSendEnd::Stopped);
            const QByteArray wire(reinterpret_cast<const char*>(line.wire.data()),
                                  qsizetype(line.wire.size()));
            const FarSideFile got = decodeLine(wire);
            EXPECT_EQ(got.end, tovaline::kDleCancelled) << wire.toHex(' ').data();
            EXPECT_TRUE(withoutFlowCodes(c.file, c.flow).startsWith(got.data));
            if (c.file == QByteArray(48, '\x10')) {
                EXPECT_EQ(got.data.size(), 16 + (cut + 1) / 2) << "a half-taken 10h is completed";
            }
        }
    }
}

TEST(DleSendStop, ATrailerWaitsAWhileForRoomAndAByteTheLineNeverTakesHoldsBackTheRest) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/send.bin";
    writeFileBytes(path, QByteArray(20, '\x10'));
    RecordingSendLine line;
    const struct {
        int room; // bytes the line takes past the flow hold (-1 all)
        int busy; // tries it refuses before it has room
        QByteArray trailer;
    } cases[] = {
        {0, 0, ""}, {1, 0, "\x10"}, {2, 0, "\x10\x10"}, {-1, 9, "\x10\x10\x18"}, {-1, 10, ""},
    };
    // The second chunk is cut after its first 10h.
    for (const auto& c : cases) {
        shared() = SharedState{};
        line.wire.clear();
        line.pastFlowRoom = c.room;
        line.pastFlowBusy = c.busy;
        line.replies = {takes(-1), takes(1, [] { shared().StopFlg = 1; })};
        SendDleFile(path, {
                              .fileOpened = [](int64_t) {},
                              .progress = [](int) {},
                              .cancelled = [] { return false; },
                          });
        const QByteArray wire(reinterpret_cast<const char*>(line.wire.data()),
                              qsizetype(line.wire.size()));
        EXPECT_EQ(wire.toHex(' '), (QByteArray(33, '\x10') + c.trailer).toHex(' '))
            << c.room << " " << c.busy;
    }
}

bool capturing() {
    return shared().LogFlg == 1;
}

class DleWindowTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        settings().OrgFileFolder = folder;
    }

    // A fresh window; in receive mode with the name typed and the main
    // window's receive poll running, else in send mode with `name` stored
    // (when bytes are given) and selected.
    std::unique_ptr<frms_File_Original> window(const QString& name, bool receive = false,
                                               const QByteArray* bytes = nullptr) {
        if (bytes) writeFileBytes(inFolder(name), *bytes);
        auto w = std::make_unique<frms_File_Original>();
        w->Form_Load();
        w->show();
        if (receive) {
            w->Option1[1]->click();
            w->Text1->setText(name);
            form->Timer1->setEnabled(true);
        } else if (QListWidgetItem* item =
                       w->picker->File1->findItems(name, Qt::MatchExactly).value(0)) {
            w->picker->File1->setCurrentItem(item);
        }
        return w;
    }

    static bool shownIdle(const frms_File_Original& w) {
        return w.busyFlag() == 0 && w.Frame1->isEnabled() && w.picker->File1->isEnabled() &&
               !w.picker->cmdMyFolder->isHidden() && w.Command1->isHidden() &&
               !w.Command3->isVisibleTo(&w) && w.Picture1->isHidden() && w.Label1->text().isEmpty();
    }
};

TEST_F(DleWindowTest, SendingPutsTheExactFrameOnTheLine) {
    const QByteArray every = countingBytes(256).replace(char(FarSideReader::Marker), "");
    const struct {
        const char* flow;
        QByteArray file;
        QStringList answers; // to the flow question
        QByteArray line;
        const char* percent; // the last share shown
    } cases[] = {
        {"なし", "\x41\x10\x42", {}, framed("\x41\x10\x42", FlowNone), "0"},
        {"なし", "", {}, "\x10\x04", "0"},
        {"なし", every, {}, framed(every, FlowNone), "63%"}, // 160 of 254 bytes at chunk 11
        // 25 chunks of doubled DLE: 672 bytes placed at chunk 22 of a 400-byte file.
        {"なし", QByteArray(400, '\x10'), {}, framed(QByteArray(400, '\x10'), FlowNone), "168%"},
        {"ソフト XON/XOFF", "\x11\x41\x13", {"はい"}, "\x41\x10\x04", "0"},
        {"ソフト XON/XOFF", "\x11\x41\x13", {"いいえ"}, "", ""},
        {"ソフト XON/XOFF", "\x11\x41\x13", {""}, "", ""},
    };
    for (const auto& c : cases) {
        openPort(QString::fromUtf8(c.flow));
        FarSideReader far(peer);
        auto w = window("send.bin", false, &c.file);
        MsgBoxAnswers answers(c.answers);
        w->Command4_Click();
        EXPECT_EQ(answers.texts().size(), c.answers.size()) << c.flow;
        EXPECT_EQ(far.takeUpToMarker().toHex(' '), c.line.toHex(' ')) << c.flow;
        EXPECT_EQ(w->Label3->text(), c.percent) << c.file.size();
        EXPECT_TRUE(shownIdle(*w));
        lib().CloseCommPort();
        shared().ComOpenFlg = 0;
    }
}

TEST_F(DleWindowTest, ACancelWhileTheFarSideHoldsTheLineEndsWithDleCan) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    FarSideReader far(peer);
    const auto xoffReceived = [] {
        int32_t status = 0;
        lib().ReadModemStatus(&status);
        return (status & 0x08) != 0;
    };
    peer.write("\x13");
    ASSERT_TRUE(pollUntil(xoffReceived));
    const QByteArray held = countingBytes(3000, 200);
    auto w = window("held.bin", false, &held);
    MsgBoxAnswers answers({"はい"});
    WhenTrue cancel([&w] { return !w->Label7->text().isEmpty(); }, [&w] { w->Command1->click(); });
    w->Command4_Click();
    EXPECT_EQ(far.takeUpToMarker().toHex(' '), QByteArray("\x10\x18").toHex(' '))
        << "the held data never leaves; the abort passes the hold";
    EXPECT_TRUE(shownIdle(*w));
    peer.write("\x11");
    EXPECT_TRUE(pollUntil([&] { return !xoffReceived(); }));
}

// The real library's block send, with a look at every call's outcome.
struct WatchedBlockSend {
    static inline std::function<void(std::span<const uint8_t> offered, int32_t taken)> after;
    static void send(const uint8_t* data, int32_t length, int32_t* written, int16_t* ok) {
        realTovalineApi().SendDataByteNS(data, length, written, ok);
        if (*ok != 0 && after) after(std::span<const uint8_t>(data, size_t(length)), *written);
    }
    static void install() {
        static TovalineApi table = [] {
            TovalineApi t = realTovalineApi();
            t.SendDataByteNS = &WatchedBlockSend::send;
            return t;
        }();
        installTovalineApi(&table);
    }
};

TEST_F(DleWindowTest, ACancelWhileTheFarSideReadsInOddPiecesEndsInWholeFrames) {
    openPort();
    WatchedBlockSend::install();
    // The far side reads 1,023 bytes each time the port took a block only in
    // part, so the line keeps filling up and partial takes are the rule.
    std::atomic<int> pieces{0};
    FarSideReader far(peer, 1023, &pieces);
    // Chunks of an odd length, so that the line fills up at varying places.
    const QByteArray file = QByteArray("\x10\x10"
                                       "A")
                                .repeated(20000);
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        pieces = 0;
        auto w = window("dle.bin", false, &file);
        int dleRun = 0; // the 10h that end what the line took
        bool cancelled = false;
        // The first partial take that ends between the two 10h of a pair
        // cancels the send. The far side then reads freely, so the trailer
        // finds room on the line.
        WatchedBlockSend::after = [&](std::span<const uint8_t> offered, int32_t written) {
            for (const uint8_t b : offered.first(size_t(written)))
                dleRun = b == 0x10 ? dleRun + 1 : 0;
            if (written == int32_t(offered.size()) || cancelled) return;
            ++pieces;
            if (dleRun % 2 == 0) return;
            cancelled = true;
            QMetaObject::invokeMethod(
                qApp,
                [&] {
                    w->Command1->click();
                    pieces = 1 << 30;
                },
                Qt::QueuedConnection);
        };
        w->Command4_Click();
        WatchedBlockSend::after = {};
        ASSERT_TRUE(cancelled) << "the port never cut a pair";
        const FarSideFile got = decodeLine(far.takeUpToMarker());
        EXPECT_EQ(got.end, tovaline::kDleCancelled);
        EXPECT_TRUE(file.startsWith(got.data));
        EXPECT_TRUE(got.data.endsWith('\x10')) << "the cut 10h is completed";
        EXPECT_LT(got.data.size(), file.size());
        EXPECT_TRUE(shownIdle(*w));
    }
}

// The far side goes away during the send: the send's failed call and the
// receive poll's failing reads are one lost line, told once.
TEST_F(DleWindowTest, ALineThatGoesAwayIsToldOnceAndEndsTheSend) {
    openPort();
    form->Timer1->setEnabled(true);
    const QByteArray file = countingBytes(64000);
    auto w = window("long.bin", false, &file);
    WhenTrue hangUp([&w] { return !w->Label7->text().isEmpty(); }, [this] { peer.closeMaster(); });
    ModalAutoCloser boxes;
    w->Command4_Click();
    for (int tick = 0; tick < 3; ++tick)
        Timer1_Timer();
    EXPECT_EQ(boxes.texts(), QStringList({"APIに異常がありました｡"}));
    EXPECT_TRUE(shownIdle(*w));
}

TEST_F(DleWindowTest, AFileThatCannotBeReadIsToldAndNothingIsSent) {
    openPort();
    FarSideReader far(peer);
    const QByteArray bytes("abc");
    auto w = window("gone.bin", false, &bytes);
    QFile::remove(inFolder("gone.bin"));
    MsgBoxAnswers answers;
    w->Command4_Click();
    EXPECT_EQ(answers.texts().size(), 1) << "the file error";
    EXPECT_EQ(far.takeUpToMarker(), QByteArray()) << "no trailer either";
    EXPECT_TRUE(shownIdle(*w));
}

TEST_F(DleWindowTest, AClickOnAFileNamesTheReceiveFileOnlyInReceiveModeWithThePortOpen) {
    const QByteArray old("x");
    auto w = window("old.bin", false, &old);
    const struct {
        bool receive, portOpen;
        int messages;
        const char* name;
    } cases[] = {{false, false, 0, ""}, {true, false, 1, ""}, {true, true, 0, "old.bin"}};
    for (const auto& c : cases) {
        w->Option1[c.receive ? 1 : 0]->click();
        EXPECT_EQ(w->Frame2->isHidden(), !c.receive);
        EXPECT_EQ(w->Command4->isHidden(), c.receive);
        if (c.portOpen) openPort();
        ModalAutoCloser closer;
        w->File1_Click("old.bin");
        EXPECT_EQ(closer.count(), c.messages) << c.receive;
        EXPECT_EQ(w->Text1->text(), c.name) << c.receive;
    }
}

TEST_F(DleWindowTest, AReceiveReportsHowTheStreamEnded) {
    openPort();
    const QString deleted = "<deleted>";
    const QString normal = "受信は正常終了しました｡";
    const QString writeError = "ファイルライトエラーがありました　ファイルを消しますか｡";
    const QString sequence = "DLEシーケンスエラーがありました　ファイルを消しますか｡";
    const QString overwrite = "このファイルはすでにあります｡\r\n上書きしてもいいですか !!";
    const struct {
        const char* name;
        std::vector<QByteArray> parts; // each written once the previous one was read
        QStringList answers;
        QStringList messages;
        QString file;          // the file's content, or deleted
        bool cancel = false;   // "中止" once the parts were written
        bool lowLimit = false; // the poll's limit lowered to 1 KB
        bool fullDisk = false; // an existing file that takes no byte
    } cases[] = {
        {"rx.bin",
         {QByteArray("\x41\x10\x10\x42\x10\x04\x43", 7)},
         {},
         {normal},
         "A\x10"
         "B"},
        {"rx.bin", {"\x41\x10", QByteArray("\x04", 1)}, {}, {normal}, "A"},
        {"rx.bin", {QByteArray("\x10\x04", 2)}, {}, {normal}, ""},
        {"rx.bin",
         {"AB\x10\x18"},
         {"いいえ"},
         {"通信相手からキャンセルされました　ファイルを消しますか｡"},
         "AB"},
        {"rx.bin",
         {"AB\x10"
          "AC"},
         {"はい"},
         {sequence},
         deleted},
        {"rx.bin",
         {"AB\x10"
          "AC"},
         {""},
         {sequence},
         "AB"},
        {"rx.bin", {"AB"}, {}, {}, "AB", true},
        {"full.bin", {"AB"}, {"はい", "いいえ"}, {overwrite, writeError}, "", false, false, true},
        // A stream the poll ends at its limit was never seen to end.
        {"rx.bin",
         {QByteArray(2000, 'A')},
         {"いいえ"},
         {writeError},
         QByteArray(2000, 'A'),
         false,
         true},
    };
    for (const auto& c : cases) {
        QFile::remove(inFolder("rx.bin"));
        auto w = window(QString(" ") + c.name + " ", true);
        std::vector<std::unique_ptr<WhenTrue>> farSide;
        int64_t written = shared().RcvTotal;
        for (const QByteArray& part : c.parts) {
            const int64_t before = written;
            written += part.size();
            farSide.push_back(std::make_unique<WhenTrue>(
                [before] { return capturing() && shared().RcvTotal >= before; },
                [this, &c, part] {
                    if (c.lowLimit) shared().LogLimitKB = 1;
                    peer.write(part);
                }));
        }
        if (c.cancel) {
            farSide.push_back(std::make_unique<WhenTrue>([] { return shared().LogTotal == 2; },
                                                         [&w] { w->Command3->click(); }));
        }
        MsgBoxAnswers answers(c.answers);
        if (c.fullDisk) writeFileBytes(inFolder(c.name), "old");
        {
            std::optional<FileSizeLimit> fullDisk;
            if (c.fullDisk) fullDisk.emplace(0);
            w->Command2_Click();
        }
        farSide.clear();
        EXPECT_EQ(answers.texts(), c.messages) << c.name;
        const QString path = inFolder(c.name);
        const QString got = QFile::exists(path) ? QString::fromLatin1(fileBytes(path)) : deleted;
        EXPECT_EQ(got, c.file) << c.messages.join(' ').toStdString();
        EXPECT_EQ(w->Text1->text(), c.name);
        EXPECT_EQ(w->Label8->text(), formatCount(c.file == deleted ? 2 : c.file.size()))
            << "the count shows the file's size";
        EXPECT_TRUE(shownIdle(*w));
        EXPECT_FALSE(capturing());
        EXPECT_TRUE(shared().LogFilePath.isEmpty());
    }
    EXPECT_TRUE(QFile::exists(inFolder("full.bin"))) << "No kept it";
}

TEST_F(DleWindowTest, ReceivesThatMustNotBeginLeaveEverythingAsItWas) {
    writeFileBytes(inFolder("kept.bin"), "keep me");
    const QString overwrite = "このファイルはすでにあります｡\r\n上書きしてもいいですか !!";
    static TovalineApi refusing;
    const struct {
        const char* name;
        std::function<void()> before;
        QStringList answers;
        QString message; // "" the port warning
    } cases[] = {
        {"rx.bin", [] { closeNextModal(); }, {}, ""},
        {"rx.bin",
         [this] {
             openPort();
             shared().LogFlg = 1;
         },
         {},
         "ロギング中なのでファイル受信はできません｡"},
        {"   ", [] { shared().LogFlg = 0; }, {}, "ファイル名に誤りがあります"},
        {"kept.bin", [] {}, {"いいえ"}, overwrite},
        {"kept.bin", [] {}, {""}, overwrite},
        {"refused.bin",
         [] {
             refusing = lib();
             refusing.LogStart = [](const char*, int16_t, int32_t) -> int32_t { return 0; };
             installTovalineApi(&refusing);
         },
         {},
         "書込みできません｡"},
    };
    for (const auto& c : cases) {
        auto w = window(c.name, true);
        c.before();
        MsgBoxAnswers answers(c.answers);
        w->Command2_Click();
        EXPECT_EQ(answers.texts(), c.message.isEmpty() ? QStringList() : QStringList({c.message}))
            << c.name;
        EXPECT_EQ(fileBytes(inFolder("kept.bin")), "keep me");
        EXPECT_TRUE(shared().LogFilePath.isEmpty()) << "no capture started";
        EXPECT_TRUE(shownIdle(*w));
    }
}

TEST_F(DleWindowTest, UnderSoftwareFlowTheReceiverAsksFirstAndXonXoffNeverReachTheFile) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    {
        auto w = window("", true);
        MsgBoxAnswers answers({"いいえ"});
        w->Command2_Click();
        ASSERT_EQ(answers.texts().size(), 1) << "no name check after No";
        EXPECT_TRUE(answers.texts()[0].contains("(Xon/Xoff)コードはファイルに書きません｡"));
    }
    auto w = window("soft.bin", true);
    WhenTrue farSide(capturing, [this] { peer.write("\x11\x41\x13\x42\x10\x04"); });
    MsgBoxAnswers answers({"はい", "OK"});
    w->Command2_Click();
    EXPECT_EQ(answers.texts().value(1), "受信は正常終了しました｡");
    EXPECT_EQ(fileBytes(inFolder("soft.bin")), "AB");
}

} // namespace
