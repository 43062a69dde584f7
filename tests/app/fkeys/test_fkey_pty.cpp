// Function keys end to end over a pseudo-terminal: the library (linked in)
// opens the slave as its port, the program's own procedures and main window
// drive it, and the test plays the far side at the master.
#include "core/program_folder.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/fkey_files.h"
#include "fkeys/program_send_host.h"
#include "fkeys/script_window.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"
#include "terminal/t_term_frm.h"
#include "ui/vb_timer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>

#include <gtest/gtest.h>

namespace {

class FkeyPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        shared() = SharedState{};
        ASSERT_TRUE(folder_.isValid());
        setProgramFolderForTests(folder_.path().toStdString());
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        installRealTovalineApi();
        mainForm();
        ASSERT_EQ(lib().OpenCommPort(ptsname(master_)), -1);
        int32_t bps = 0;
        ASSERT_NE(lib().SetCommPortParamAnyBPS("115200,0,8,0,0", &bps), 0);
        shared().ComOpenFlg = 1;
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
        if (master_ >= 0) ::close(master_);
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.path() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // What the far side has received once `count` bytes came or 2 s passed.
    QByteArray farSideReceives(qsizetype count) {
        QByteArray got;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (got.size() < count && std::chrono::steady_clock::now() < end) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            char buf[256];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) got.append(buf, n);
        }
        return got;
    }

    QTemporaryDir folder_;
    int master_ = -1;
    ScriptWindowControls window_;
};

TEST_F(FkeyPtyTest, DleFileSendArrivesAsTheExactFrame) {
    writeFile("data.bin", QByteArray("a\x10"
                                     "b\x04\x10\x10"
                                     "c",
                                     7));
    writeFile("UF0005.UFK", "101^[*]data.bin^]");
    SendUFKey(5, window_);
    const QByteArray frame("a\x10\x10"
                           "b\x04\x10\x10\x10\x10"
                           "c\x10\x04\r",
                           13);
    EXPECT_EQ(farSideReceives(frame.size() + 1).toHex(' ').toStdString(),
              frame.toHex(' ').toStdString());
}

TEST_F(FkeyPtyTest, ReceiveToCtrlZWritesTheBytesBeforeIt) {
    writeFile("rx.bin", "an older and much longer capture of something else");
    writeFile("UF0006.UFK", "121^(Z)rx.bin^)");
    // The far side sends once the step runs; a capture that missed the ^Z
    // is stopped after a while.
    const QByteArray peer("hello\x10world\r\n\x1a"
                          "after",
                          19);
    bool ownedWhileReceiving = false;
    QTimer::singleShot(100, [&] {
        ownedWhileReceiving = shared().PortInputOwned && !mainForm().Timer1->enabled();
        ASSERT_EQ(::write(master_, peer.constData(), size_t(peer.size())), peer.size());
    });
    bool stoppedByTest = false;
    QTimer::singleShot(3000, [&] {
        stoppedByTest = shared().PortInputOwned;
        shared().FRStopFlg = 1;
    });

    SendUFKey(6, window_);

    EXPECT_TRUE(ownedWhileReceiving);
    EXPECT_FALSE(stoppedByTest) << "the capture did not end at ^Z";
    EXPECT_FALSE(shared().PortInputOwned);
    QFile file(folder_.path() + "/rx.bin");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toHex(' ').toStdString(),
              QByteArray("hello\x10world\r\n").toHex(' ').toStdString());
}

} // namespace
