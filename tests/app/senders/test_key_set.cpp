// The key-send settings: the mode frame shown for per-line sending only, OK
// storing the three choices, the close box storing none, and the main
// window's key line and labels after the dialog.
#include "senders/frms_Key_set.h"

#include "sender_window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

class KeySet : public SenderWindowTest {};

TEST_F(KeySet, ModeFrameShowsForPerLineAndKeepsItsChoiceWhileHidden) {
    settings().KeySendMode = 1;
    frms_Key_set d;
    d.Form_Load();
    EXPECT_TRUE(d.Frame3->isHidden());
    EXPECT_TRUE(d.Option2[1]->isChecked());

    d.Option1[1]->click();
    EXPECT_FALSE(d.Frame3->isHidden());
    EXPECT_TRUE(d.Option3[1]->isChecked());
    d.Option3[0]->click();
    d.Option2[2]->click();
    d.Option1[0]->click();
    EXPECT_TRUE(d.Frame3->isHidden());

    d.Command1->click();
    EXPECT_EQ(settings().KeySendUnit, 0);
    EXPECT_EQ(settings().KeySendMode, 0) << "the mode of the hidden frame is stored too";
    EXPECT_EQ(settings().KeySendEnter, 2);
}

TEST_F(KeySet, CloseBoxStoresNothing) {
    frms_Key_set d;
    d.Form_Load();
    d.Option1[1]->click();
    d.Option2[3]->click();
    d.Option3[1]->click();
    d.close();
    EXPECT_EQ(settings().KeySendUnit, 0);
    EXPECT_EQ(settings().KeySendEnter, 1);
    EXPECT_EQ(settings().KeySendMode, 0);
}

TEST_F(KeySet, MainWindowShowsTheNewModeAndEmptiesItsKeyLine) {
    struct Case {
        bool ok;
        QString keyInfo, enterInfo;
    };
    for (const Case& c : {Case{true, "1ライン毎送信\n 翻訳出力", "Enter Keyは\n LFを送信"},
                          Case{false, "1ライン毎送信\n 翻訳出力", "Enter Keyは\n LFを送信"}}) {
        form->Text1->setPlainText(QStringLiteral("typed"));
        shared().KeyLineBuf = QStringLiteral("typed");
        shared().LastKeyLine = QStringLiteral("last");
        whenModalOpens("frms_Key_set", [ok = c.ok](QWidget* w) {
            auto* d = static_cast<frms_Key_set*>(w);
            d->Option1[1]->click();
            d->Option2[3]->click();
            d->Option3[1]->click();
            ok ? d->Command1->click() : void(d->close());
        });
        form->Command8->click();
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(form->lblKeyinfo->text(), c.keyInfo);
        EXPECT_EQ(form->lblKeyinfo1->text(), c.enterInfo);
        EXPECT_TRUE(form->Text1->toPlainText().isEmpty());
        EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
        EXPECT_TRUE(shared().LastKeyLine.isEmpty());
    }
}

} // namespace
