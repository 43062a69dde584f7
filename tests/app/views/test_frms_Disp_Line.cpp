// Line view A over the library's text-line store: what it reads when it
// opens, the scroll bar, the font choice that outlives it, and the text save
// of what it read.
#include "views_fixture.h"

#include "core/display_selector.h"
#include "msgbox_answers.h"
#include "ui/picture_box.h"
#include "views/disp_lines.h"
#include "views/frms_Disp_Line.h"
#include "views/snapshot_save_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

class LineViewA : public ViewsTest {
  protected:
    void SetUp() override {
        ViewsTest::SetUp();
        setDisplay(1, 0); // CR ends a line; CR and LF themselves show nothing
        dispLineStore() = DispLineStore{};
    }

    void receiveLines(int count) {
        QByteArray bytes;
        for (int k = 0; k < count; ++k)
            bytes += "L" + QByteArray::number(k) + "\r\n";
        receive(bytes);
    }

    QByteArray saved(const char* name) const { return folder.contents(name); }

    ProgramFolderScope folder;
};

TEST_F(LineViewA, ReadsTheStoreOnceAndSavesItsLinesAsDotted) {
    receive(QByteArrayLiteral("AB\r\nA\xA0"
                              "B\x82\xA0\r\nCD"));
    frms_Disp_Line view;
    view.Form_Load();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("受信ダンプ Chr. Type A"));
    EXPECT_EQ(dispLineStore().DispLines,
              (std::vector<QByteArray>{"AB\r\n", "A.B\x82\xA0\r\n", "CD"}));
    EXPECT_EQ(dispLineStore().DispLineCount, 3);
    EXPECT_EQ(view.Label3->text(), QStringLiteral("3"));
    EXPECT_TRUE(view.VScroll1->isHidden());

    receive("later\r\n"); // not shown, not saved, until the view opens again
    EXPECT_EQ(dispLineStore().DispLineCount, 3);

    MsgBoxAnswers answers({QStringLiteral("はい")});
    frms_Disp_Line_file save;
    save.Command1_Click();
    EXPECT_EQ(saved("CONSOLE.TXT"),
              QByteArrayLiteral("\x41\x42\x0D\x0A\x41\x2E\x42\x82\xA0\x0D\x0A\x43\x44"));
}

TEST_F(LineViewA, AFullStoreOpensOnItsLastPage) {
    receiveLines(2100);
    frms_Disp_Line view;
    view.Form_Load();
    EXPECT_EQ(view.Label3->text(), QStringLiteral("2000"));
    EXPECT_FALSE(view.VScroll1->isHidden());
    EXPECT_EQ(view.VScroll1->maximum(), 1999);
    EXPECT_EQ(view.VScroll1->value(), 1976);
    EXPECT_EQ(view.VScroll1->pageStep(), 200);
    EXPECT_EQ(view.top(), 1976);

    view.VScroll1->setValue(view.VScroll1->maximum()); // only the last line on the page
    EXPECT_EQ(view.top(), 1999);
}

TEST_F(LineViewA, AnEmptyStoreShowsAndSavesNothingStale) {
    dispLineStore().DispLines = {"old\r\n"};
    dispLineStore().DispLineCount = 1;
    frms_Disp_Line view;
    view.Form_Load();
    EXPECT_EQ(view.Label3->text(), QStringLiteral("0"));
    EXPECT_EQ(dispLineStore().DispLineCount, 0);
    EXPECT_TRUE(view.VScroll1->isHidden());

    MsgBoxAnswers answers({QStringLiteral("はい")});
    frms_Disp_Line_file save;
    save.Command1_Click();
    EXPECT_EQ(saved("CONSOLE.TXT"), QByteArray());
}

TEST_F(LineViewA, ALineBeingFilledIsTheLastAndIsSavedWithoutALineEnd) {
    receiveLines(24);
    receive("ABC");
    frms_Disp_Line view;
    view.Form_Load();
    EXPECT_EQ(dispLineStore().DispLineCount, 25);
    EXPECT_EQ(dispLineStore().DispLines.back(), QByteArray("ABC"));
    EXPECT_EQ(view.VScroll1->maximum(), 24);
    EXPECT_EQ(view.top(), 1);

    MsgBoxAnswers answers({QStringLiteral("はい")});
    frms_Disp_Line_file save;
    save.Text1->setText(QStringLiteral("  lines.txt "));
    save.Command1_Click();
    EXPECT_EQ(save.Text1->text(), QStringLiteral("lines.txt"));
    EXPECT_TRUE(saved("lines.txt").endsWith("L23\r\nABC"));
}

TEST_F(LineViewA, TheChosenFontIsTheNextOpeningsFont) {
    {
        frms_Disp_Line view;
        view.Form_Load();
        EXPECT_TRUE(view.Opt_Font[0]->isChecked());
        EXPECT_EQ(view.Pic_Data->FontName, QStringLiteral("ＭＳ 明朝"));
        view.Opt_Font[1]->click();
        EXPECT_EQ(settings().LineViewFont, 1);
    }
    frms_Disp_Line again;
    again.Form_Load();
    EXPECT_TRUE(again.Opt_Font[1]->isChecked());
    EXPECT_EQ(again.Pic_Data->FontName, QStringLiteral("ＭＳ ゴシック"));

    settings().LineViewFont = 7;
    frms_Disp_Line spoiled;
    spoiled.Form_Load();
    EXPECT_EQ(settings().LineViewFont, 0);
}

TEST_F(LineViewA, ItsSaveButtonOpensTheTextSaveAndARightClickTheSelector) {
    frms_Disp_Line view;
    view.Form_Load();
    QString note;
    whenNextModalOpens([&note](QWidget* w) {
        note = static_cast<SnapshotSaveDialog*>(w)->Picture2Label[1]->text();
        w->close();
    });
    view.Command1->click();
    EXPECT_EQ(note, QStringLiteral("CONSOLE．TXT"));

    int selectorShown = 0;
    SetDisplaySelector([&selectorShown] { ++selectorShown; });
    const QPointF at(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &release);
    SetDisplaySelector(nullptr);
    EXPECT_EQ(selectorShown, 1);
}

TEST_F(LineViewA, TheLinesArePrintedInTheChosenColours) {
    settings().LineViewBackColor = 0x203040;
    settings().LineViewForeColor = 0x00FFFF;
    receive("\x81\xA1\x81\xA1\x81\xA1\r\n"); // "■■■"
    frms_Disp_Line view;
    view.Form_Load();
    const QImage& page = view.Pic_Data->image();
    bool foreFound = false;
    for (int y = 0; y < 20 && !foreFound; ++y)
        for (int x = 0; x < 40 && !foreFound; ++x)
            foreFound = view.Pic_Data->Point(x, y) == 0x00FFFF;
    EXPECT_TRUE(foreFound);
    EXPECT_EQ(view.Pic_Data->Point(page.width() - 2, page.height() - 2), 0x203040);
}

} // namespace
