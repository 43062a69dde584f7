// The file scope window: its caption, every way of scrolling with the thumb
// kept off the bar's ends and at 1 on the first byte, the bars by pattern,
// the last jump within the data, a file that cannot be opened, and a sparse
// file past 32 bits scrolled to its end.
#include "scope_fixture.h"

#include "modal_auto_closer.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/scope_page.h"

#include <QRadioButton>
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

    std::unique_ptr<frms_File_Disp_Scp_Data> open(int16_t pattern) {
        settings().FileScopeDispPat = pattern;
        auto w = std::make_unique<frms_File_Disp_Scp_Data>();
        w->Form_Load();
        return w;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(FileScope, AThousandBytesScrollEveryWay) {
    writeFileBytes(path, ramp(1000));
    const auto w = open(ScopePattern2);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ファイル スコープ  ") + path +
                                    QStringLiteral("  File Size 1,000 Byte"));
    ASSERT_EQ(w->VScroll1->maximum(), 9000);
    EXPECT_EQ(w->VScroll1->value(), 1) << "the thumb stands at 1 on the first byte";
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
        {w->VScroll1, 9000, 993, 8999}, // the end: the last 16m + 1, the thumb off the end
        {w->VScroll3, 2, 993, 8937},    // a page would pass the end: no move
        {w->VScroll1, 0, 1, 0},         // the top
        {w->VScroll1, 1, 2, 18},
        {w->VScroll1, 17, 1, 1}, // back on the first byte by an arrow: 1
    };
    for (const Step& s : steps) {
        s.bar->setValue(s.value);
        EXPECT_EQ(w->ViewTop, s.top) << s.value;
        EXPECT_EQ(w->VScroll1->value(), s.thumb) << s.value;
        EXPECT_EQ(pageBytes()[0], static_cast<uint8_t>(s.top - 1)) << s.value;
        for (QScrollBar* step : {w->VScroll3, w->VScroll4, w->VScroll5})
            EXPECT_EQ(step->value(), 1) << "a step bar rests at 1";
    }
    w->MoveView(999, true);
    EXPECT_EQ(w->ViewTop, 1000) << "a step may land on the last byte";
    EXPECT_EQ(pageBytes().size(), 1u);

    writeFileBytes(path, ramp(30));
    w->MoveView(999, false);
    EXPECT_EQ(pageBytes(), ramp(30)) << "the page ends where the file now does";
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
        writeFileBytes(path, ramp(c.size));
        const auto w = open(c.pattern);
        for (QScrollBar* bar : {w->VScroll1, w->VScroll3, w->VScroll4, w->VScroll5})
            EXPECT_EQ(bar->isHidden(), !c.bars) << c.size << " " << c.pattern;
    }
    // To a pattern whose screen holds all the data: the bars go and the view
    // returns to byte 1.
    writeFileBytes(path, ramp(60));
    const auto small = open(ScopePattern1);
    small->VScroll5->setValue(2);
    ASSERT_EQ(small->ViewTop, 2);
    small->OptDispPat[ScopePattern3]->click();
    EXPECT_TRUE(small->VScroll1->isHidden());
    EXPECT_EQ(small->ViewTop, 1);
    EXPECT_EQ(pageBytes().size(), 60u);

    // Between two patterns that both need bars the bar keeps its range; a
    // thumb at the end of 160 bytes shows the last 16 of them.
    writeFileBytes(path, ramp(160));
    const auto w = open(ScopePattern2);
    w->OptDispPat[ScopePattern1]->click();
    EXPECT_EQ(w->VScroll1->maximum(), 1500);
    w->VScroll1->setValue(1500);
    EXPECT_EQ(w->ViewTop, 145) << "not 161, past the end";
    EXPECT_EQ(pageBytes().size(), 16u);
}

TEST_F(FileScope, AFileThatCannotBeOpenedIsToldAndShownEmpty) {
    viewState().ViewFileName = dir.filePath(QStringLiteral("missing.bin"));
    ModalAutoCloser closer;
    const auto w = open(ScopePattern4);
    ASSERT_EQ(closer.count(), 1);
    EXPECT_EQ(w->ViewTotal, 0);
    EXPECT_EQ(viewState().DumpPageLen, 0);
    EXPECT_TRUE(w->VScroll1->isHidden());
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("  File Size 0 Byte")));
}

TEST_F(FileScope, ASparseFiveGibibyteFileScrollsToItsEnd) {
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!f.resize(FiveGiB - 4)) GTEST_SKIP() << "no room for a sparse file here";
        ASSERT_TRUE(f.seek(FiveGiB - 4));
        f.write("\x82\xA0\x41\x42", 4);
    }
    const auto w = open(ScopePattern2);
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("  File Size 5,368,709,120 Byte")));
    w->VScroll1->setValue(15000);
    EXPECT_EQ(w->ViewTop, FiveGiB / 2 + 1);
    w->VScroll1->setValue(15001); // a byte on: the product passes 32 bits
    EXPECT_EQ(w->ViewTop, FiveGiB / 2 + 2);
    EXPECT_EQ(w->VScroll1->value(), 15000);
    w->VScroll1->setValue(30000);
    EXPECT_EQ(w->ViewTop, FiveGiB - 15);
    EXPECT_EQ(w->VScroll1->value(), 29999) << "more follows the first byte on screen";
    for (int i = 0; i < 15; ++i)
        w->VScroll5->setValue(2);
    EXPECT_EQ(w->ViewTop, FiveGiB);
    EXPECT_EQ(w->VScroll1->value(), 30000);
    EXPECT_EQ(pageBytes(), std::vector<uint8_t>{0x42});
}

} // namespace
