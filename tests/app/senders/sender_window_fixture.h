// The base of the send-tool window tests: a temporary program folder of
// their own, fresh run state and settings, the real library linked in, and
// the main window up (its timers stopped: a test runs the status tick
// itself). SendsToPty adds a pseudo-terminal as the open port, and
// SendsToFakeLine the fake driver's line, which takes everything at once.
#pragma once

#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_dialog_driver.h"
#include "pty_key_port.h"
#include "real_tovaline_api.h"
#include "shown_colors.h"
#include "terminal/t_term_frm.h"
#include "test_files.h"
#include "ui/twips.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

class SenderWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        shared() = SharedState{};
        settings() = Settings{};
        runSettings() = RunSettings{};
        ASSERT_TRUE(folder_.isValid());
        setProgramFolderForTests(folder_.path().toStdString());
        installRealTovalineApi();
        form = &mainForm();
        for (VbTimer* t : {form->Timer_Screen_init, form->Timer1, form->Timer3})
            t->setEnabled(false);
    }
    void TearDown() override { installTovalineApi(nullptr); }

    QTemporaryDir folder_;
    T_Term_frm* form = nullptr;
};

class SendsToPty : public SenderWindowTest {
  protected:
    void SetUp() override {
        SenderWindowTest::SetUp();
        port_ = std::make_unique<PtyKeyPort>();
        ASSERT_TRUE(port_->isOpen());
    }
    void TearDown() override {
        port_.reset();
        SenderWindowTest::TearDown();
    }

    // What the far side received, checked to hold nothing more: a marker
    // byte sent after it must come right behind it.
    QByteArray receivedExactly(qsizetype count) {
        static constexpr char Marker = '\xA5';
        int32_t written = 0;
        int16_t ok = 0;
        lib().SendData(&Marker, 1, &written, &ok);
        QByteArray got = port_->farSideReceives(count + 1);
        EXPECT_TRUE(got.endsWith(Marker))
            << "more or fewer bytes than expected: " << got.toHex(' ').toStdString();
        got.chop(1);
        return got;
    }

    std::unique_ptr<PtyKeyPort> port_;
};

class SendsToFakeLine : public SenderWindowTest {
  protected:
    void SetUp() override {
        SenderWindowTest::SetUp();
        ASSERT_NE(lib().OpenCommPort("COM1"), 0);
        shared().ComOpenFlg = 1;
    }
    void TearDown() override {
        lib().CloseCommPort();
        SenderWindowTest::TearDown();
    }
    tovaline::FakeDriverScope scope;
};
