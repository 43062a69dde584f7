// The scope buttons of the main window: "Memory Scope" shows a snapshot of
// what arrived over a real pseudo-terminal, one viewer at a time; "File
// Scope" shows the file the user chose.
#include "main_window_pty_fixture.h"

#include "terminal/scope_columns.h"
#include "views/frms_Disp_hex2.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/view_state.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

namespace {

using ScopeButtons = MainWindowPty;

std::vector<uint8_t> page() {
    const ViewState& v = viewState();
    return {v.DumpPageBuf.begin(), v.DumpPageBuf.begin() + v.DumpPageLen};
}

TEST_F(ScopeButtons, MemoryScopeShowsTheSnapshotOfWhatArrived) {
    const QByteArray sent("\x0D\x7F\x20\x41\x82\xA0\x82\x31\xFF", 9);
    peer.write(sent);
    receive(9);
    settings().ScopeDispPat = 3;

    bool opened = false;
    whenModalOpens("frms_Disp_hex2", [&](QWidget* top) {
        auto* w = static_cast<frms_Disp_hex2*>(top);
        opened = true;
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(form->ViewerBusyFlg, 1);
        EXPECT_EQ(w->windowTitle(),
                  QStringLiteral("受信 Memory スコープ Data Size 9 Byte (Max 327,680 Byte)"));
        EXPECT_EQ(page(), std::vector<uint8_t>(sent.begin(), sent.end()));
        EXPECT_EQ(scopeTables().ScopeColX[79], 636) << "the main window's columns";
        w->close();
    });
    form->Command25->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(form->ViewerBusyFlg, 0);
    EXPECT_EQ(viewState().DrawAbortFlg, 1);
    EXPECT_EQ(form->focusWidget(), form->Text1);
}

TEST_F(ScopeButtons, FileScopeShowsTheChosenFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ramp.bin"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1000; ++i)
            f.putChar(static_cast<char>(i));
    }
    settings().OpenFileFolder = dir.path() + u'/';
    settings().FileScopeDispPat = 0;
    whenModalOpens("QFileDialog", [path](QWidget* w) {
        static_cast<QFileDialog*>(w)->selectFile(path);
        static_cast<QDialog*>(w)->accept();
    });
    bool opened = false;
    whenModalOpens("frms_File_Disp_Scp_Data", [&](QWidget* top) {
        auto* w = static_cast<frms_File_Disp_Scp_Data*>(top);
        opened = true;
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("ファイル スコープ  ") + path +
                                        QStringLiteral("  File Size 1,000 Byte"));
        EXPECT_EQ(page().size(), 40u);
        w->close();
    });
    form->Cmd_File_DS->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(viewState().ViewFileNo, nullptr);
    EXPECT_EQ(form->focusWidget(), form->Text1);
}

} // namespace
