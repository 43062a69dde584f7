// The two key lists as windows: their columns, selection by mouse, the
// editor opened from a row, and sends from the send list over a
// pseudo-terminal with exit after send and stop.
#include "condition_wait.h"
#include "fkeys/fkey_files.h"
#include "fkeys/frms_UF_Edit_Ichiran.h"
#include "fkeys/frms_UF_edit1.h"
#include "fkeys/frms_UF_send_Ichiran.h"
#include "key_folder_fixture.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class KeyListWindow : public KeyWindowTest {
  protected:
    void SetUp() override {
        KeyWindowTest::SetUp();
        writeFileBytes(ufDataFilePath(12), "120twelve");
        writeFileBytes(ufDataFilePath(3), "120three");
        writeFileBytes(ufDataFilePath(1000), "121last^0D");
    }

    // A click on the row's first column, as the grid reports it.
    static void clickRow(frms_UF_Ichiran_base& list, int32_t row,
                         Qt::MouseButton button = Qt::LeftButton) {
        list.gridMouseDown(button, 5, row);
        list.gridMouseUp(button, 5);
    }
};

TEST_F(KeyListWindow, ColumnsTakeTheirDefaultsAndAreKeptAtUnload) {
    settings().UFListColWidth2 = 3000;
    frms_UF_send_Ichiran list;
    list.Form_Load();
    EXPECT_EQ(list.MSFGSend->columnWidth(0), twips::toPixels(900));
    EXPECT_EQ(list.MSFGSend->columnWidth(1), twips::toPixels(3000));
    EXPECT_EQ(list.MSFGSend->columnWidth(4), twips::toPixels(2450));
    list.fillList();
    EXPECT_EQ(list.gridRowCount(), 4);
    EXPECT_EQ(list.keyOfGridRow(1), 3);

    list.MSFGSend->setColumnWidth(3, 40);
    list.show();
    list.close();
    EXPECT_EQ(settings().UFListColWidth4, twips::fromPixels(40))
        << "column 3 is kept as the fourth width";
    EXPECT_EQ(settings().UFListColWidth5, twips::toPixels(2450) * twips::kPerPixel);
    EXPECT_EQ(runSettings().UFListTopRow, 1);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(shared().FormUnloadFlg, 1);
}

TEST_F(KeyListWindow, LeftClickSelectsARowAndClicksBesideTheColumnsDoNothing) {
    frms_UF_send_Ichiran list;
    list.Form_Load();
    list.fillList();
    clickRow(list, 2);
    EXPECT_EQ(list.SelRow, 2);
    EXPECT_EQ(list.model->paintOfRow(1), UFRowPaint::Selected);
    clickRow(list, 3);
    EXPECT_EQ(list.model->paintOfRow(1), UFRowPaint::Normal);
    EXPECT_EQ(list.model->paintOfRow(2), UFRowPaint::Selected);

    const double beyond = list.MSFGSend->horizontalHeader()->length() + 20;
    list.gridMouseDown(Qt::LeftButton, beyond, 1);
    list.gridMouseUp(Qt::LeftButton, beyond);
    EXPECT_EQ(list.SelRow, 3);
    list.gridDoubleClick(); // beside the columns: nothing is sent, no warning
}

TEST_F(KeyListWindow, EditorOpenedFromARowAndTheRowReadAgain) {
    frms_UF_Edit_Ichiran list;
    list.Form_Load();
    list.fillList();
    ASSERT_EQ(list.gridRowCount(), 1001);
    EXPECT_EQ(list.model->index(11, 4).data().toString(), QStringLiteral("twelve"));
    clickRow(list, 12);

    whenModalOpens("frms_UF_edit1", [](QWidget* w) {
        auto* editor = static_cast<frms_UF_edit1*>(w);
        EXPECT_EQ(editor->Label1->text(), QStringLiteral("UF12"));
        editor->Text1->setPlainText(QStringLiteral("changed"));
        editor->Command1->click();
    });
    list.gridDoubleClick();
    EXPECT_EQ(list.BusyFlg, 0);
    EXPECT_EQ(list.model->index(11, 4).data().toString(), QStringLiteral("changed"));
}

class KeyListSend : public SendsOverPty<KeyListWindow> {};

TEST_F(KeyListSend, DoubleClickSendsTheRowsKeyAndRestoresTheList) {
    frms_UF_send_Ichiran list;
    list.Form_Load();
    list.fillList();
    clickRow(list, 3);
    list.gridDoubleClick();
    EXPECT_EQ(port_->farSideReceives(5), "last\r");
    EXPECT_EQ(list.BusyFlg, 0);
    EXPECT_TRUE(list.MSFGSend->isEnabled());
    EXPECT_FALSE(list.Command3->isVisibleTo(&list));
    EXPECT_EQ(list.model->paintOfRow(2), UFRowPaint::Selected);
}

TEST_F(KeyListSend, ExitAfterSendClosesTheListButAStoppedSendDoesNot) {
    writeFileBytes(ufDataFilePath(3), "121A^T05B");
    frms_UF_send_Ichiran list;
    list.Form_Load();
    list.fillList();
    list.show();
    list.Check1->click();
    EXPECT_EQ(settings().UFIchiranExitFlg, 1);

    const WhenTrue stopInTheWait(sendIsWaiting, [&] {
        EXPECT_EQ(list.model->paintOfRow(0), UFRowPaint::Sending);
        EXPECT_FALSE(list.MSFGSend->isEnabled());
        list.Command3->click();
    });
    list.SendUFRow(3, 1);
    EXPECT_EQ(port_->farSideRest(), "A");
    EXPECT_TRUE(list.isVisible()) << "a stopped send keeps the list open";
    EXPECT_EQ(list.BusyFlg, 0);

    list.SendUFRow(12, 2);
    EXPECT_EQ(port_->farSideReceives(6), "twelve");
    EXPECT_FALSE(list.isVisible());
}

} // namespace
