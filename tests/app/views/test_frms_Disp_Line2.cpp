// Line view B: the newest raw bytes as text with control codes dotted, the
// font and size choices that outlive the window, and the text box that
// follows the window's size.
#include "views_fixture.h"

#include "views/frms_Disp_Line2.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

class LineViewB : public ViewsTest {};

TEST(LineView2Text, AStoredFontSizeOutsideTheListBecomesTheDefault) {
    const std::pair<const char*, const char*> cases[] = {
        {"8", "8"},   {"50", "50"}, {"12", "12"},  {" 30 ", "30"}, {"7", "24"},
        {"51", "24"}, {"", "24"},   {"abc", "24"}, {"12.5", "24"}, {"-10", "24"},
    };
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(lineView2FontSizeChoice(QString::fromUtf8(stored)), QString::fromUtf8(shown))
            << stored;
}

TEST_F(LineViewB, ShowsTheNewestBytesWithControlCodesDotted) {
    receive(QByteArrayLiteral("A\x07\r\n\x1B"
                              "B\x7F\x82\xA0"));
    frms_Disp_Line2 window;
    window.Form_Load();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("受信ダンプ Chr. Type B"));
    EXPECT_EQ(window.Text1->toPlainText(), QStringLiteral("A.\n.B\x7F"
                                                          "あ"));
    EXPECT_TRUE(window.Text1->isReadOnly());
}

TEST_F(LineViewB, OfFortyThousandBytesTheNewest28672AreShown) {
    QByteArray bytes;
    for (int i = 0; i < 40000; ++i)
        bytes += char('a' + i % 26);
    receive(bytes);
    frms_Disp_Line2 window;
    window.Form_Load();
    EXPECT_EQ(window.Text1->toPlainText(), QString::fromLatin1(bytes.right(LineView2Bytes)));
}

TEST_F(LineViewB, TheChosenSizeAndFontOutliveTheWindow) {
    settings().LineView2FontName = QStringLiteral("ＭＳ ゴシック");
    settings().LineView2FontSize = QStringLiteral("24");
    {
        frms_Disp_Line2 window;
        window.Form_Load();
        EXPECT_TRUE(window.Option1[1]->isChecked());
        EXPECT_EQ(window.Text1->font().family(), QStringLiteral("IPAGothic"));
        EXPECT_EQ(window.Text1->font().pointSizeF(), 24);
        EXPECT_EQ(window.CmbFontSize->count(), 43);
        EXPECT_EQ(window.CmbFontSize->itemText(0), QStringLiteral("8"));

        window.CmbFontSize->setCurrentText(QStringLiteral("12"));
        window.CmbFontSize_Click();
        window.Option1[0]->click();
        EXPECT_EQ(settings().LineView2FontName, QStringLiteral("ＭＳ 明朝"));
        window.close();
    }
    EXPECT_EQ(settings().LineView2FontSize, QStringLiteral("12"));

    frms_Disp_Line2 again;
    again.Form_Load();
    EXPECT_EQ(again.CmbFontSize->currentText(), QStringLiteral("12"));
    EXPECT_EQ(again.Text1->font().pointSizeF(), 12);
    EXPECT_TRUE(again.Option1[0]->isChecked());
    EXPECT_EQ(again.Text1->font().family(), QStringLiteral("IPAMincho"));
}

TEST_F(LineViewB, AnyOtherFontNameSelectsMincho) {
    settings().LineView2FontName = QStringLiteral("Courier");
    settings().LineView2FontSize = QStringLiteral("99");
    frms_Disp_Line2 window;
    window.Form_Load();
    EXPECT_TRUE(window.Option1[0]->isChecked());
    EXPECT_EQ(settings().LineView2FontName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(window.CmbFontSize->currentText(), QStringLiteral("24"));
    window.close();
    EXPECT_EQ(settings().LineView2FontSize, QStringLiteral("24"));
}

TEST_F(LineViewB, TheTextBoxFillsTheWindowWithEqualMargins) {
    frms_Disp_Line2 window;
    window.Form_Load();
    window.show(); // a hidden window hears of its size only when shown
    for (const QSize size : {QSize(700, 500), QSize(900, 640)}) {
        window.resize(size);
        const QRect box = window.Text1->geometry();
        EXPECT_EQ(box.left(), size.width() - 1 - box.right()) << size.width();
        EXPECT_EQ(box.left(), size.height() - 1 - box.bottom()) << size.height();
    }
}

TEST_F(LineViewB, TheStoredPositionIsKeptOnlyFromTheNormalState) {
    RunSettings& run = runSettings();
    run.DispLine2Left = 1500;
    run.DispLine2Top = 1200;
    whenNextModalOpens([](QWidget* w) {
        w->setWindowState(Qt::WindowMaximized);
        w->close();
    });
    frms_Disp_Line2::Run();
    EXPECT_EQ(run.DispLine2Left, 1500);
    EXPECT_EQ(run.DispLine2Top, 1200);

    whenNextModalOpens([](QWidget* w) {
        w->move(40, 60);
        w->close();
    });
    frms_Disp_Line2::Run();
    EXPECT_EQ(run.DispLine2Left, 600);
    EXPECT_EQ(run.DispLine2Top, 900);
}

} // namespace
