// Every caption whole: the windows whose texts were cut or covered, opened
// offscreen at the size the user meets them, with each label's, option's and
// button's text measured against its control.
#include "views_fixture.h"

#include "senders/frms_KeySend.h"
#include "senders/reference_pictures.h"
#include "text_fit.h"
#include "views/frms_Disp_Hex.h"
#include "views/frms_Disp_Line2.h"
#include "views/frms_Disp_hex2.h"
#include "views/frms_File_Disp1.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/view_state.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>
#include <memory>

namespace {

constexpr int64_t ThreeGB = 3'000'000'000;

class TextFit : public ViewsTestBase {
  protected:
    void SetUp() override {
        ViewsTestBase::SetUp();
        viewState() = ViewState{};
        bigFile = folder.path("big.bin");
    }

    ProgramFolderScope folder;
    QString bigFile;
};

struct FitCase {
    const char* window;
    std::function<std::unique_ptr<QWidget>(const QString& bigFile)> open;
};

template <class Window> std::unique_ptr<Window> loaded() {
    auto w = std::make_unique<Window>();
    w->Form_Load();
    return w;
}

TEST_F(TextFit, EveryCaptionFitsItsControl) {
    const FitCase cases[] = {
        {"receive dump",
         [](const QString&) -> std::unique_ptr<QWidget> { return loaded<frms_Disp_Hex>(); }},
        {"file dump at a ten-digit position",
         [](const QString& path) -> std::unique_ptr<QWidget> {
             viewState().ViewFileName = path;
             auto w = loaded<frms_File_Disp1>();
             w->VScroll1->setValue(w->VScroll1->maximum());
             EXPECT_EQ(w->Label4->text(), QStringLiteral("2,999,999,985"));
             return w;
         }},
        {"receive scope, pattern 1",
         [](const QString&) -> std::unique_ptr<QWidget> { return loaded<frms_Disp_hex2>(); }},
        {"file scope, pattern 4",
         [](const QString& path) -> std::unique_ptr<QWidget> {
             viewState().ViewFileName = path;
             auto w = loaded<frms_File_Disp_Scp_Data>();
             w->OptDispPat[3]->click();
             return w;
         }},
        {"line view B at its smallest",
         [](const QString&) -> std::unique_ptr<QWidget> {
             auto w = loaded<frms_Disp_Line2>();
             w->resize(w->minimumSize());
             return w;
         }},
        {"one-line editor at its smallest, receiving a file",
         [](const QString&) -> std::unique_ptr<QWidget> {
             auto w = loaded<frms_KeySend>();
             w->resize(w->minimumSize());
             w->fra_FR->show();
             return w;
         }},
    };
    QFile big(bigFile);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    if (!big.resize(ThreeGB)) GTEST_SKIP() << "no room for a sparse file here";
    big.close();

    for (const FitCase& c : cases) {
        const std::unique_ptr<QWidget> window = c.open(bigFile);
        window->show();
        const QStringList misfits = textMisfits(window.get());
        EXPECT_TRUE(misfits.isEmpty()) << c.window << ":\n" << misfits.join(u'\n').toStdString();
        window->close();
    }
}

// The second chart's byte labels along the bottom of the signed graph stand
// apart: four labels (00h, 7Fh, 80h, FFh) with blank columns between them.
TEST(ChartLabels, TheSignedGraphsByteLabelsStandApart) {
    ensureTestApplication();
    const QImage chart = referencePicture(SignedChart2Picture);
    // The band under the graph's bottom edge and ticks, from the graph's
    // left edge to short of the page border.
    constexpr int BandTop = 280, BandBottom = 296, BandLeft = 366, BandRight = 620;
    constexpr int LabelGap = 12; // blank columns, more than a character, part two labels
    int labels = 0, blank = LabelGap;
    for (int x = BandLeft; x < BandRight; ++x) {
        bool ink = false;
        for (int y = BandTop; y <= BandBottom && !ink; ++y)
            ink = qGray(chart.pixel(x, y)) < 128;
        if (ink && blank >= LabelGap) ++labels;
        blank = ink ? 0 : blank + 1;
    }
    EXPECT_EQ(labels, 4);
}

} // namespace
