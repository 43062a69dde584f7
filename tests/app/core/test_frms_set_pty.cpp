// The port dialog over the real library and a pseudo-terminal.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "core/frms_ComKeiKoku.h"
#include "core/frms_Set.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"

namespace {

class PortDialogPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        savedSettings_ = settings();
        savedShared_ = shared();
        // The pseudo-terminal takes only the default line: an earlier test may
        // have left another parity or flow in the settings.
        settings() = Settings{};
        shared() = SharedState{};
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        slave_ = QString::fromLocal8Bit(ptsname(master_));
        installRealTovalineApi();
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
        if (master_ >= 0) close(master_);
        settings() = savedSettings_;
        shared() = savedShared_;
    }

    int master_ = -1;
    QString slave_;
    Settings savedSettings_;
    SharedState savedShared_;
};

TEST_F(PortDialogPtyTest, ANewSpeedIsAppliedAndReportedBack) {
    settings().ComPortName = slave_; // a name starting with "/" is a device path
    settings().ComBps = QStringLiteral("9600");
    settings().ComOnFlg = 0;

    frms_Set dialog;
    EXPECT_EQ(dialog.Combo0->currentText(), slave_);
    dialog.Opn_COM[0]->setChecked(true);
    dialog.Combo1->setCurrentText(QStringLiteral("19200"));
    dialog.Command1->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shared().ComOpenFlg, 1);
    EXPECT_EQ(settings().ComOnFlg, 1);
    EXPECT_EQ(settings().ComBps, QStringLiteral("19200"));
    EXPECT_EQ(settings().ComPortName, slave_);
    int32_t bps = 0;
    lib().ReadBPS(&bps);
    EXPECT_EQ(bps, 19200);

    // Open again at another speed: the open port is closed first and reopened.
    frms_Set again;
    EXPECT_TRUE(again.Opn_COM[0]->isChecked());
    again.Combo1->setCurrentText(QStringLiteral("115200"));
    again.Command1->click();
    EXPECT_EQ(settings().ComBps, QStringLiteral("115200"));
    lib().ReadBPS(&bps);
    EXPECT_EQ(bps, 115200);
}

TEST_F(PortDialogPtyTest, SevenDataBitsAreRefusedByThePseudoTerminal) {
    settings().ComPortName = slave_;
    frms_Set dialog;
    dialog.Opn_COM[0]->setChecked(true);
    dialog.Combo3->setCurrentIndex(1); // "7 ビット"
    QString warning;
    whenModalOpens("frms_ComKeiKoku", [&warning](QWidget* w) {
        auto* box = static_cast<frms_ComKeiKoku*>(w);
        warning = box->Label1->text();
        box->Command1->click();
    });
    dialog.Command1->click();
    EXPECT_EQ(warning, slave_ + QStringLiteral(" ポートがオープンできません｡"));
    EXPECT_EQ(shared().ComOpenFlg, 0);
    int32_t bps = -1;
    lib().ReadBPS(&bps);
    EXPECT_EQ(bps, 0); // closed again
}

} // namespace
