// Before a viewer opens: one dump viewer at a time, released on every way
// out, and never the file a running capture writes, however it is spelled.
#include "core/settings.h"
#include "core/shared_state.h"
#include "modal_auto_closer.h"
#include "not_regular_files.h"
#include "terminal/file_view_check.h"
#include "terminal/viewer_busy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

#include <unistd.h>

namespace {

TEST(ViewerBusy, ASecondViewerWaitsAndTheFlagIsReleasedOnEveryWayOut) {
    int16_t flag = 0;
    int opened = 0;
    EXPECT_TRUE(runUnderViewerBusy(flag, [&] {
        ++opened;
        EXPECT_EQ(flag, 1);
        // A click that arrives while the viewer pumps events.
        EXPECT_FALSE(runUnderViewerBusy(flag, [&] { ++opened; }));
    }));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(flag, 0);

    // A viewer whose load fails.
    EXPECT_THROW(runUnderViewerBusy(flag, [] { throw std::runtime_error("load failed"); }),
                 std::runtime_error);
    EXPECT_EQ(flag, 0);
    EXPECT_TRUE(runUnderViewerBusy(flag, [&] { ++opened; }));
    EXPECT_EQ(opened, 2);
}

class CaptureFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        capture = dir.filePath(QStringLiteral("LOG.log"));
        other = dir.filePath(QStringLiteral("other.bin"));
        for (const QString& p : {capture, other}) {
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("data");
        }
        shared() = SharedState{};
    }

    QTemporaryDir dir;
    QString capture, other;
};

TEST_F(CaptureFile, TheSameFileByAnotherSpellingIsTheCaptureFile) {
    const QString link = dir.filePath(QStringLiteral("link.log"));
    ASSERT_TRUE(QFile::link(capture, link));
    EXPECT_TRUE(isCaptureFile(capture, capture));
    EXPECT_TRUE(isCaptureFile(dir.path() + QStringLiteral("/sub/../LOG.log"), capture));
    EXPECT_TRUE(isCaptureFile(dir.path() + QStringLiteral("//./LOG.log"), capture));
    EXPECT_TRUE(isCaptureFile(link, capture));
    const QString hardLink = dir.filePath(QStringLiteral("hard.log"));
    ASSERT_EQ(
        ::link(QFile::encodeName(capture).constData(), QFile::encodeName(hardLink).constData()), 0);
    EXPECT_TRUE(isCaptureFile(hardLink, capture));
    EXPECT_TRUE(isCaptureFile(QDir::current().relativeFilePath(capture), capture));
    EXPECT_FALSE(isCaptureFile(other, capture));
    // A new file in the folder a link leads to, whose name reads as the capture's.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("a/b")));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("a/b")), dir.filePath(QStringLiteral("dirlink"))));
    EXPECT_FALSE(isCaptureFile(dir.filePath(QStringLiteral("dirlink/../LOG.log")), capture));
    EXPECT_FALSE(isCaptureFile(capture, QString())); // no capture running
    // A capture file not written yet is still recognised.
    const QString fresh = dir.filePath(QStringLiteral("RX.log"));
    EXPECT_TRUE(isCaptureFile(dir.path() + QStringLiteral("/sub/../RX.log"), fresh));
}

TEST_F(CaptureFile, AViewerRefusesTheCaptureFileAndAFileItCannotRead) {
    ModalAutoCloser closer;
    shared().LogFilePath = capture;
    EXPECT_FALSE(CheckViewFile(dir.path() + QStringLiteral("/sub/../LOG.log")));
    EXPECT_FALSE(CheckViewFile(dir.filePath(QStringLiteral("missing.bin"))));
    EXPECT_TRUE(CheckViewFile(other));
    ASSERT_EQ(closer.count(), 2);
    EXPECT_EQ(closer.texts()[0], QStringLiteral("このファイルはロギング処理で使用しています｡"));
    EXPECT_EQ(closer.texts()[1], QStringLiteral("ファイルを開く事ができません。"));

    shared().LogFilePath.clear(); // the capture ended
    EXPECT_TRUE(CheckViewFile(capture));
}

TEST_F(CaptureFile, AViewerRefusesAtOnceWhatIsNoRegularFile) {
    ModalAutoCloser closer;
    const NotRegularFiles names(dir.path());
    for (const NotRegularFile& name : names)
        EXPECT_FALSE(CheckViewFile(name.path)) << name.kind;
    EXPECT_EQ(closer.texts(),
              QStringList(names.size(), QStringLiteral("ファイルを開く事ができません。")));
}

} // namespace
