// The file scope window: the file's caption, the thumb kept off the bar's
// ends with 1 at the first byte, the scroll bars by pattern, the last jump
// within the data, a file that cannot be opened, and a sparse file past 32
// bits scrolled to its end.
#include "scope_fixture.h"

#include "modal_auto_closer.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/scope_page.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

constexpr int64_t FiveGiB = int64_t{5} << 30;

class FileScope : public ScopeTest {
  protected:
    void SetUp() override {
        ScopeTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("ramp.bin"));
        viewState().ViewFileName = path;
    }

    std::unique_ptr<frms_File_Disp_Scp_Data> open(std::size_t size, int16_t pattern) {
        writeFile(path, ramp(size));
        settings().FileScopeDispPat = pattern;
        auto w = std::make_unique<frms_File_Disp_Scp_Data>();
        w->Form_Load();
        return w;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(FileScope, AThousandBytesScrollEveryWay) {
    const auto w = open(1000, ScopePattern2);
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("ファイル スコープ  ") + path));
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("  File Size 1,000 Byte")));
    EXPECT_EQ(viewState().ViewFromFile, 1);
    ASSERT_FALSE(w->VScroll1->isHidden());
    ASSERT_EQ(w->VScroll1->maximum(), 9000);
    EXPECT_EQ(w->VScroll1->value(), 1) << "the thumb stands at 1 on the first byte";
    EXPECT_EQ(pageBytes(), ramp(80));

    struct Step {
        QScrollBar* bar;
        int value;
        int64_t top;
        int thumb;
    };
    const Step steps[] = {
        {w->VScroll1, 4500, 497, 4500}, // the middle: 500 cut down to 496, plus 1
        {w->VScroll1, 4501, 498, 4482}, // the down arrow: a byte
        {w->VScroll1, 4481, 497, 4473}, // the up arrow
        {w->VScroll3, 2, 577, 5193},    // a page on
        {w->VScroll4, 0, 537, 4833},    // half a page back
        {w->VScroll5, 2, 538, 4842},    // a byte on
        {w->VScroll1, 9000, 993, 8999}, // the end: the last 16m + 1, thumb off the end
        {w->VScroll3, 2, 993, 8937},    // a page would pass the end: no move
        {w->VScroll5, 2, 994, 8946},    {w->VScroll1, 0, 1, 0},  // the top
        {w->VScroll1, 1, 2, 18},        {w->VScroll1, 17, 1, 1}, // back on the first byte: 1
    };
    for (const Step& s : steps) {
        s.bar->setValue(s.value);
        EXPECT_EQ(w->ViewTop, s.top) << s.value;
        EXPECT_EQ(w->VScroll1->value(), s.thumb) << s.value;
        EXPECT_EQ(pageBytes()[0], static_cast<uint8_t>(s.top - 1)) << s.value;
        for (QScrollBar* step : {w->VScroll3, w->VScroll4, w->VScroll5})
            EXPECT_EQ(step->value(), 1);
    }
    w->MoveView(80, false);
    w->MoveView(1, true);
    w->MoveView(998, true);
    EXPECT_EQ(w->ViewTop, 1000) << "a step may land on the last byte";
    EXPECT_EQ(pageBytes().size(), 1u);

    w->reject();
    EXPECT_EQ(viewState().ViewFileNo, nullptr) << "the file is closed with the window";
}

TEST_F(FileScope, TheBarsShowWhenTheDataPassesAScreen) {
    struct Case {
        std::size_t size;
        int16_t pattern;
        bool bars;
    };
    for (const Case& c : {Case{80, ScopePattern2, false}, Case{81, ScopePattern2, true},
                          Case{80, ScopePattern4, false}, Case{40, ScopePattern1, false},
                          Case{41, ScopePattern1, true}}) {
        const auto w = open(c.size, c.pattern);
        for (QScrollBar* bar : {w->VScroll1, w->VScroll3, w->VScroll4, w->VScroll5})
            EXPECT_EQ(bar->isHidden(), !c.bars) << c.size << " " << c.pattern;
    }

    // From a pattern with bars to one whose screen holds all the data: the
    // bars go and the view returns to byte 1; between two patterns that
    // both need bars the bar keeps its range.
    const auto w = open(60, ScopePattern1);
    ASSERT_EQ(w->VScroll1->maximum(), 750);
    w->VScroll5->setValue(2);
    ASSERT_EQ(w->ViewTop, 2);
    w->OptDispPat[ScopePattern3]->click();
    EXPECT_TRUE(w->VScroll1->isHidden());
    EXPECT_TRUE(w->VScroll5->isHidden());
    EXPECT_EQ(w->ViewTop, 1);
    EXPECT_EQ(pageBytes().size(), 60u);

    const auto big = open(1000, ScopePattern2);
    big->OptDispPat[ScopePattern1]->click();
    EXPECT_EQ(big->VScroll1->maximum(), 9000);
    EXPECT_EQ(big->StepPage, 40);
    EXPECT_EQ(pageBytes().size(), 40u);
}

TEST_F(FileScope, AThumbAtTheEndShowsTheLastBytes) {
    const auto w = open(160, ScopePattern2);
    ASSERT_EQ(w->VScroll1->maximum(), 1500);
    w->VScroll1->setValue(1500);
    EXPECT_EQ(w->ViewTop, 145) << "not 161, past the end";
    const std::vector<uint8_t> bytes = ramp(160);
    EXPECT_EQ(pageBytes(), std::vector<uint8_t>(bytes.begin() + 144, bytes.end()));
}

TEST_F(FileScope, AFileThatCannotBeOpenedIsToldAndShownEmpty) {
    viewState().ViewFileName = dir.filePath(QStringLiteral("missing.bin"));
    ModalAutoCloser closer;
    frms_File_Disp_Scp_Data w;
    w.Form_Load();
    ASSERT_EQ(closer.count(), 1);
    EXPECT_EQ(w.ViewTotal, 0);
    EXPECT_EQ(viewState().DumpPageLen, 0);
    EXPECT_TRUE(w.VScroll1->isHidden());
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("  File Size 0 Byte")));
}

TEST_F(FileScope, TheFileIsReadToItsEndAsItIsNow) {
    const auto w = open(100, ScopePattern2);
    writeFile(path, ramp(30));
    w->MoveView(0, true);
    EXPECT_EQ(pageBytes(), ramp(30)) << "the page ends where the file now does";
}

TEST_F(FileScope, ASparseFiveGibibyteFileScrollsToItsEnd) {
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!f.resize(FiveGiB - 4)) GTEST_SKIP() << "no room for a sparse file here";
        ASSERT_TRUE(f.seek(FiveGiB - 4));
        f.write("\x82\xA0\x41\x42", 4);
    }
    settings().FileScopeDispPat = ScopePattern2;
    frms_File_Disp_Scp_Data w;
    w.Form_Load();
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("  File Size 5,368,709,120 Byte")));
    ASSERT_EQ(w.VScroll1->maximum(), 30000);

    w.VScroll1->setValue(15000);
    EXPECT_EQ(w.ViewTop, FiveGiB / 2 + 1);
    w.VScroll1->setValue(15001); // a byte on: the product passes 32 bits
    EXPECT_EQ(w.ViewTop, FiveGiB / 2 + 2);
    EXPECT_EQ(w.VScroll1->value(), 15000);

    w.VScroll1->setValue(30000);
    EXPECT_EQ(w.ViewTop, FiveGiB - 15);
    EXPECT_EQ(w.VScroll1->value(), 29999) << "more follows the first byte on screen";
    ASSERT_EQ(pageBytes().size(), 16u);
    EXPECT_EQ(pageBytes()[12], 0x82);
    for (int i = 0; i < 15; ++i)
        w.VScroll5->setValue(2);
    EXPECT_EQ(w.ViewTop, FiveGiB);
    EXPECT_EQ(w.VScroll1->value(), 30000);
    EXPECT_EQ(pageBytes(), std::vector<uint8_t>{0x42});
}

} // namespace
