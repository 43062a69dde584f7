// The base of the file tools' window tests: the main window (for its capture
// marks and its receive poll, driven by the test), a temporary program's
// folder on the only drive the pickers list, and a pseudo-terminal that the
// port opens on request, with the test at its far side.
#pragma once

#include "../terminal/main_window_fixture.h"
#include "core/program_folder.h"
#include "files/drive_list.h"
#include "msgbox_answers.h"
#include "pty_peer.h"
#include "terminal/receive_poll.h"
#include "test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// Bytes 0, 1, 2 ... modulo `modulo`, of the given length.
inline QByteArray countingBytes(int length, int modulo = 256) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i % modulo);
    return bytes;
}

// Reads the far side of the pseudo-terminal on a thread of its own while the
// test's UI thread sends, so that the line never fills up. A slow far side
// reads in pieces of `piece` bytes, one piece each time the test allows one
// (through `piecesAllowed`), so that the line fills up in between.
class FarSideReader {
  public:
    explicit FarSideReader(const PtyPeer& peer, qsizetype piece = 0,
                           std::atomic<int>* piecesAllowed = nullptr)
        : peer_(peer), piece_(piece), piecesAllowed_(piecesAllowed), thread_([this] { run(); }) {}
    ~FarSideReader() {
        stop_ = true;
        thread_.join();
    }
    FarSideReader(const FarSideReader&) = delete;
    FarSideReader& operator=(const FarSideReader&) = delete;

    QByteArray received() {
        std::lock_guard<std::mutex> lock(mutex_);
        return data_;
    }

    // Everything the far side got since the last take, up to a marker byte
    // the test sends after the step it checks: what that step put on the
    // line, nothing missed. The step's bytes must not hold the marker.
    QByteArray takeUpToMarker() {
        int32_t written = 0;
        int16_t ok = 0;
        lib().SendDataByteNonFlow(Marker, 1, &written, &ok);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                const qsizetype at = data_.indexOf(char(Marker));
                if (at >= 0) {
                    const QByteArray got = data_.left(at);
                    data_.remove(0, at + 1);
                    return got;
                }
            }
            QThread::msleep(1);
        }
        return QByteArray("<the marker never came>");
    }

    static constexpr uint8_t Marker = 0xFE;

  private:
    void run() {
        while (!stop_) {
            const bool allowed = !piecesAllowed_ || *piecesAllowed_ > 0;
            const QByteArray got = !allowed     ? QByteArray()
                                   : piece_ > 0 ? peer_.readSome(piece_)
                                                : peer_.readAll();
            if (got.isEmpty()) {
                QThread::msleep(1);
                continue;
            }
            if (piecesAllowed_) --*piecesAllowed_;
            std::lock_guard<std::mutex> lock(mutex_);
            data_ += got;
        }
    }

    const PtyPeer& peer_;
    const qsizetype piece_;
    std::atomic<int>* const piecesAllowed_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    QByteArray data_;
    std::thread thread_;
};

class FilesWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(tmp.isValid());
        folder = tmp.path() + QStringLiteral("/prog");
        ASSERT_TRUE(QDir().mkpath(folder));
        setProgramFolderForTests(folder.toStdString());
        const std::vector<DriveEntry> drives{{tmp.path(), QString()}};
        setDriveSource([drives] { return drives; });
        forgetShownFolders();
    }
    void TearDown() override {
        // The modal drivers' timers go once the events they left are handled.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        installRealTovalineApi();
        lib().LogStop();
        shared().LogFlg = 0;
        setDriveSource(nullptr);
        setProgramFolderForTests("");
        MainWindowTest::TearDown();
    }

    // Opens the port on the pseudo-terminal with the flow control given as
    // the settings name it ("なし", "ソフト XON/XOFF").
    void openPort(const QString& flow = QStringLiteral("なし")) {
        ASSERT_FALSE(peer.slavePath().isEmpty());
        settings().ComOnFlg = 1;
        settings().ComPortName = peer.slavePath();
        settings().ComBps = QStringLiteral("115200");
        settings().ComFlow = flow;
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
    }

    QString inFolder(const QString& name) const { return folder + u'/' + name; }

    QTemporaryDir tmp;
    QString folder;
    PtyPeer peer;
};
