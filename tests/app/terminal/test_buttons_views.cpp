// The data-view buttons of the main window: "ﾀﾞﾝﾌﾟ Hex" and "Memory Scope"
// show a snapshot of what arrived over a real pseudo-terminal, one viewer at
// a time, and keep it while more arrives; "File Dump" and "File Scope" show
// the file the user chose.
#include "main_window_pty_fixture.h"

#include "display/scope_columns.h"
#include "views/frms_Disp_Hex.h"
#include "views/frms_Disp_hex2.h"
#include "views/frms_File_Disp1.h"
#include "views/view_state.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

namespace {

class ViewButtons : public MainWindowPty {
  protected:
    static std::vector<uint8_t> page() {
        const ViewState& v = viewState();
        return {v.DumpPageBuf.begin(), v.DumpPageBuf.begin() + v.DumpPageLen};
    }

    // A file of 1,000 bytes 00h, 01h ... that the next file dialog chooses.
    QString chooseRampFile() {
        EXPECT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("ramp.bin"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1000; ++i)
            f.putChar(static_cast<char>(i));
        settings().OpenFileFolder = dir.path() + u'/';
        whenModalOpens("QFileDialog", [path](QWidget* w) {
            static_cast<QFileDialog*>(w)->selectFile(path);
            static_cast<QDialog*>(w)->accept();
        });
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ViewButtons, DumpHexShowsTheSnapshotAndKeepsItWhileMoreArrives) {
    const QByteArray first("\x48\x65\x6C\x6C\x6F\x0D\x0A", 7);
    peer.write(first);
    receive(7);
    settings().RcvDumpDispMode = 0;

    bool opened = false;
    whenModalOpens("frms_Disp_Hex", [&](QWidget* top) {
        auto* w = static_cast<frms_Disp_Hex*>(top);
        opened = true;
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(form->ViewerBusyFlg, 1);
        EXPECT_EQ(w->Label3->text(), QStringLiteral("7"));
        EXPECT_EQ(page(), std::vector<uint8_t>(first.begin(), first.end()));
        // More arrives while the view is open: the page stays.
        peer.write(QByteArray(100, 'x'));
        receive(107);
        w->RedrawView();
        EXPECT_EQ(page().size(), 7u);
        w->close();
    });
    form->Command14->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(form->ViewerBusyFlg, 0);
    EXPECT_EQ(form->focusWidget(), form->Text1);

    // The next opening takes a new snapshot.
    whenModalOpens("frms_Disp_Hex", [](QWidget* top) {
        EXPECT_EQ(static_cast<frms_Disp_Hex*>(top)->Label3->text(), QStringLiteral("107"));
        top->close();
    });
    form->Command14->click();
}

TEST_F(ViewButtons, FileDumpShowsTheChosenFile) {
    const QString path = chooseRampFile();
    bool opened = false;
    whenModalOpens("frms_File_Disp1", [&](QWidget* top) {
        auto* w = static_cast<frms_File_Disp1*>(top);
        opened = true;
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(w->Label6->text(), path);
        EXPECT_EQ(w->Label2->text(), QStringLiteral("1,000"));
        EXPECT_EQ(page().size(), 384u);
        EXPECT_EQ(page()[255], 255);
        w->close();
    });
    form->Command7->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(viewState().ViewFileNo, nullptr);
    EXPECT_EQ(form->focusWidget(), form->Text1);
}

TEST_F(ViewButtons, MemoryScopeShowsTheSnapshotOfWhatArrived) {
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

TEST_F(ViewButtons, FileScopeShowsTheChosenFile) {
    const QString path = chooseRampFile();
    settings().FileScopeDispPat = 0;
    bool opened = false;
    whenModalOpens("frms_File_Disp_Scp_Data", [&](QWidget* top) {
        opened = true;
        EXPECT_EQ(shared().StopFlg, 1);
        EXPECT_EQ(top->windowTitle(), QStringLiteral("ファイル スコープ  ") + path +
                                          QStringLiteral("  File Size 1,000 Byte"));
        EXPECT_EQ(page().size(), 40u);
        top->close();
    });
    form->Cmd_File_DS->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(viewState().ViewFileNo, nullptr);
    EXPECT_EQ(form->focusWidget(), form->Text1);
}

} // namespace
