// Function keys end to end over a pseudo-terminal: the library (linked in)
// opens the slave as its port, the program's own procedures and main window
// drive it, and the test plays the far side at the master.
#include "condition_wait.h"
#include "fkeys/fkey_files.h"
#include "fkeys/program_send_host.h"
#include "fkeys/script_window.h"
#include "key_folder_fixture.h"
#include "ui/vb_timer.h"

#include "pty_peer.h"

#include <QTimer>

namespace {

class FkeyPtyTest : public KeyFolderTest {
  protected:
    void SetUp() override {
        ensureTestApplication();
        KeyFolderTest::SetUp();
        ASSERT_FALSE(peer_.slavePath().isEmpty());
        installRealTovalineApi();
        // The start-up timer would switch the receive poll on in the middle
        // of a test; the tests that need the polls run them themselves.
        T_Term_frm& form = mainForm();
        for (VbTimer* t : {form.Timer_Screen_init, form.Timer1, form.Timer3})
            t->setEnabled(false);
        ASSERT_EQ(lib().OpenCommPort(peer_.slavePath().toLocal8Bit().constData()), -1);
        int32_t bps = 0;
        ASSERT_NE(lib().SetCommPortParamAnyBPS("115200,0,8,0,0", &bps), 0);
        shared().ComOpenFlg = 1;
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
    }

    PtyPeer peer_;
    ScriptWindowControls window_;
};

TEST_F(FkeyPtyTest, DleFileSendArrivesAsTheExactFrame) {
    storeInFolder("data.bin", QByteArray("a\x10"
                                         "b\x04\x10\x10"
                                         "c",
                                         7));
    storeInFolder("UF0005.UFK", "101^[*]data.bin^]");
    SendUFKey(5, window_);
    const QByteArray frame("a\x10\x10"
                           "b\x04\x10\x10\x10\x10"
                           "c\x10\x04\r",
                           13);
    EXPECT_EQ(peer_.farSideReceives(frame.size() + 1).toHex(' ').toStdString(),
              frame.toHex(' ').toStdString());
}

TEST_F(FkeyPtyTest, AStoppedDleFileSendEndsWithDleCan) {
    storeInFolder("big.bin", QByteArray(20000, 'A'));
    storeInFolder("UF0007.UFK", "101^[*]big.bin^]");
    QByteArray got;
    const WhenTrue stop(
        [&] {
            got += peer_.readAll();
            return got.size() >= 100;
        },
        [] { shared().StopFlg = 1; });
    SendUFKey(7, window_);
    QDeadlineTimer deadline(kConditionDeadlineMs);
    while (!got.contains("\x10\x18") && !got.contains("\x10\x04") && !deadline.hasExpired()) {
        QThread::msleep(5);
        got += peer_.readAll();
    }
    const qsizetype at = got.indexOf("\x10\x18");
    ASSERT_GE(at, 100) << got.right(8).toHex(' ').data();
    EXPECT_EQ(got.left(at), QByteArray(at, 'A'));
    EXPECT_LT(at, 20000);
    EXPECT_FALSE(got.contains("\x10\x04")) << "a part never passes for the whole file";
}

TEST_F(FkeyPtyTest, ReceiveToCtrlZWritesTheBytesBeforeIt) {
    storeInFolder("rx.bin", "an older and much longer capture of something else");
    storeInFolder("UF0006.UFK", "121^(Z)rx.bin^)");
    const QByteArray peer("hello\x10world\r\n\x1a"
                          "after",
                          19);
    bool pollOffWhileReceiving = false;
    const WhenTrue receiving([] { return shared().PortInputOwned; },
                             [&] {
                                 pollOffWhileReceiving = !mainForm().Timer1->enabled();
                                 peer_.write(peer);
                             });
    // Only a capture that missed the ^Z is still running by the deadline.
    bool stoppedByTest = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
        stoppedByTest = shared().PortInputOwned;
        shared().FRStopFlg = 1;
    });
    deadline.start(kConditionDeadlineMs);

    SendUFKey(6, window_);

    EXPECT_TRUE(pollOffWhileReceiving);
    EXPECT_FALSE(stoppedByTest) << "the capture did not end at ^Z";
    EXPECT_FALSE(shared().PortInputOwned);
    QFile file(folder_.path() + "/rx.bin");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toHex(' ').toStdString(),
              QByteArray("hello\x10world\r\n").toHex(' ').toStdString());
}

} // namespace
