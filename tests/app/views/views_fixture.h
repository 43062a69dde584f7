// The bases of the data-view tests: fresh run state and settings, the real
// library with the display set up as a plain text terminal (control codes
// shown as ".", CR and LF as nothing), and bytes arriving through the
// receive call as the main window's poll takes them. ViewsTest runs over the
// fake port driver with the port open; a test over a pseudo-terminal opens
// its own port on ViewsTestBase.
#pragma once

#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"
#include "test_files.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <vector>

#include <gtest/gtest.h>

// The program's folder, where a save puts a name without a folder, in a
// temporary folder of the test's own while the scope lives.
class ProgramFolderScope {
  public:
    ProgramFolderScope() { setProgramFolderForTests(dir_.path().toStdString()); }
    ~ProgramFolderScope() { setProgramFolderForTests(""); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QByteArray contents(const char* name) const { return fileBytes(path(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        writeFileBytes(path(name), bytes);
    }

  private:
    QTemporaryDir dir_;
};

class ViewsTestBase : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        runSettings() = RunSettings{};
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
    }

    // Empties the store; a received CR / LF ends a text line when its flag is 1.
    void setDisplay(int16_t crFlag, int16_t lfFlag) {
        lib().OpenDisp(16, 80, 10, 10, crFlag, lfFlag);
        std::array<char, 64> table{};
        for (size_t code = 0; code < 32; ++code) {
            table[2 * code] = char(0xFF);
            table[2 * code + 1] = code == 0x0D || code == 0x0A ? char(0xFF) : '.';
        }
        lib().SetControlCodeDisp(table.data());
    }

    // Polls as the main window does until `count` more bytes have arrived,
    // with a deadline of seconds.
    void receiveUntil(int32_t count) {
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
};

class ViewsTest : public ViewsTestBase {
  protected:
    void SetUp() override {
        ViewsTestBase::SetUp();
        ASSERT_EQ(lib().OpenCommPort("COM1"), -1);
        setDisplay(0, 1);
    }

    // Bytes the peer sent, taken by the receive poll.
    void receive(const QByteArray& bytes) {
        scope.fake.queueIncoming(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        receiveUntil(int32_t(bytes.size()));
    }

    tovaline::FakeDriverScope scope;
};
