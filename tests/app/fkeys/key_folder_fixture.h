// The bases of the function-key tests. Key files live in the program's
// folder, so every test gets a temporary folder of its own as that folder and
// fresh run state; the window tests add fresh settings and the real library,
// and the send tests a pseudo-terminal as the open port.
#pragma once

#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "modal_dialog_driver.h"
#include "pty_key_port.h"
#include "real_tovaline_api.h"
#include "terminal/t_term_frm.h"
#include "test_files.h"
#include "ui/vb_timer.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

class KeyFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        shared() = SharedState{};
        ASSERT_TRUE(folder_.isValid());
        setProgramFolderForTests(folder_.path().toStdString());
    }

    // Writes a file of that name into the folder; returns its path.
    QString storeInFolder(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        writeFileBytes(path, bytes);
        return path;
    }

    QTemporaryDir folder_;
};

class KeyWindowTest : public KeyFolderTest {
  protected:
    void SetUp() override {
        ensureTestApplication();
        KeyFolderTest::SetUp();
        settings() = Settings{};
        runSettings() = RunSettings{};
        installRealTovalineApi();
    }
    void TearDown() override { installTovalineApi(nullptr); }
};

// A window test whose sends reach the far side of a pseudo-terminal; the
// main window is up, as it always is while a key window sends.
template <class WindowTest> class SendsOverPty : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        mainForm();
        port_ = std::make_unique<PtyKeyPort>();
        ASSERT_TRUE(port_->isOpen());
    }
    void TearDown() override {
        port_.reset();
        WindowTest::TearDown();
    }

    // A key's send has reached a "^T" wait (the main window's wait timer
    // counts): what came before it has left.
    static bool sendIsWaiting() { return mainForm().Timer2->isRunning(); }

    std::unique_ptr<PtyKeyPort> port_;
};
