// The file dump window: the file read at every page, a file that cannot be
// opened or has shrunk, the thumb kept off the bar's ends, and a sparse file
// past 32 bits paged to its end.
#include "dump_window_fixture.h"

#include "modal_auto_closer.h"
#include "not_regular_files.h"
#include "test_files.h"
#include "views/frms_File_Disp1.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

constexpr int64_t FiveGiB = int64_t{5} << 30;

class FileDump : public DumpWindowTest {
  protected:
    void SetUp() override {
        DumpWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("ramp.bin"));
        viewState().ViewFileName = path;
    }

    void write(const std::vector<uint8_t>& bytes) { writeFileBytes(path, bytes); }

    QTemporaryDir dir;
    QString path;
};

TEST_F(FileDump, ShowsTheFileAndReadsItAgainAtEveryPage) {
    write(ramp(1000));
    frms_File_Disp1 w;
    w.Form_Load();
    EXPECT_EQ(w.Label2->text(), QStringLiteral("1,000"));
    EXPECT_EQ(w.Label4->text(), QStringLiteral("1"));
    EXPECT_EQ(w.Label6->text(), path);
    EXPECT_EQ(viewState().ViewFromFile, 1);
    EXPECT_EQ(pageBytes(), ramp(384));

    moveBar(w.VScroll5, 2);
    EXPECT_EQ(w.Label4->text(), QStringLiteral("17"));
    EXPECT_EQ(pageBytes()[0], 16);

    // The file shrinks while it is shown: the page ends where the file does.
    QFile(path).resize(100);
    w.Option1[LayoutHan2]->click();
    EXPECT_EQ(pageBytes().size(), 84u);
    w.Option2[0]->click();
    EXPECT_EQ(pageBytes().size(), 330u) << "a graph reads 0 where the file has gone";
    EXPECT_EQ(viewState().DumpPageBuf[329], 0);

    w.reject();
    EXPECT_EQ(viewState().ViewFileNo, nullptr) << "the file is closed with the window";
}

TEST_F(FileDump, AFileThatCannotBeOpenedIsToldAndShownEmpty) {
    viewState().ViewFileName = dir.filePath(QStringLiteral("missing.bin"));
    ModalAutoCloser closer;
    frms_File_Disp1 w;
    w.Form_Load();
    ASSERT_EQ(closer.count(), 1);
    EXPECT_EQ(w.ViewTotal, 0);
    EXPECT_EQ(viewState().DumpPageLen, 0);
    EXPECT_TRUE(w.VScroll1->isHidden());
    const NotRegularFiles names(dir.path());
    for (const NotRegularFile& name : names) {
        viewState().ViewFileName = name.path;
        frms_File_Disp1 refused;
        refused.Form_Load();
        EXPECT_EQ(refused.ViewTotal, 0) << name.kind;
        EXPECT_EQ(viewState().ViewFileNo, nullptr) << name.kind;
    }
    EXPECT_EQ(closer.count(), 1 + names.size());

    write({});
    viewState().ViewFileName = path;
    frms_File_Disp1 empty;
    empty.Form_Load();
    EXPECT_EQ(empty.Label4->text(), QStringLiteral("0"));
    EXPECT_EQ(empty.Label2->text(), QStringLiteral("0"));
}

TEST_F(FileDump, TheThumbRestsAtAnEndOnlyWhenTheViewShowsIt) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(10'000'000));
    f.close();
    frms_File_Disp1 w;
    w.Form_Load();
    ASSERT_EQ(w.VScroll1->maximum(), 30000);
    moveBar(w.VScroll1, 1); // the down arrow: byte 17 is still at value 0
    EXPECT_EQ(w.ViewTop, 17);
    EXPECT_EQ(w.VScroll1->value(), 1);
    moveBar(w.VScroll5, 0);
    EXPECT_EQ(w.ViewTop, 1);
    EXPECT_EQ(w.VScroll1->value(), 0);

    moveBar(w.VScroll1, 30000);
    EXPECT_EQ(w.ViewTop, 9'999'985);
    EXPECT_EQ(w.VScroll1->value(), 30000);
    moveBar(w.VScroll3, 0);
    EXPECT_EQ(w.ViewTop, 9'999'985 - 384);
    EXPECT_EQ(w.VScroll1->value(), 29999) << "more follows the page";
}

TEST_F(FileDump, ASparseFivegibibyteFilePagesToItsEnd) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    if (!f.resize(FiveGiB - 4)) GTEST_SKIP() << "no room for a sparse file here";
    ASSERT_TRUE(f.seek(FiveGiB - 4));
    f.write("\x82\xA0\x41\x42", 4);
    f.close();

    frms_File_Disp1 w;
    w.Form_Load();
    EXPECT_EQ(w.Label2->text(), QStringLiteral("5,368,709,120"));
    moveBar(w.VScroll1, 30000);
    EXPECT_EQ(w.ViewTop, FiveGiB - 15);
    EXPECT_EQ(w.Label4->text(), QStringLiteral("5,368,709,105"));
    EXPECT_EQ(pageBytes().size(), 16u);
    EXPECT_EQ(pageBytes()[12], 0x82);

    w.Option1[LayoutEtc]->click();
    moveBar(w.VScroll3, 2);
    EXPECT_EQ(w.ViewTop, FiveGiB - 15) << "no page past the end";
    moveBar(w.VScroll1, 15000);
    EXPECT_EQ(w.ViewTop, FiveGiB / 2 + 1);
    EXPECT_EQ(w.VScroll1->value(), 15000);
}

} // namespace
