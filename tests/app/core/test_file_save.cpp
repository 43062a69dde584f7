// The one save of the settings and the keys: the file stays its user's,
// whoever saves it and whatever the folder allows.
#include "core/file_save.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_size_limit.h"
#include "ordinary_user.h"
#include "test_files.h"

namespace {

enum class Folder { TakesNewFiles, TakesNoNewFile };
enum class Saver { TheUser, Root };

const QByteArray kOld = "old settings, longer than the new";
const QByteArray kNew = "new settings";

TEST(SaveWholeFile, KeepsTheFileItsUsersOwnAndNeverShorterOnAFailure) {
    const struct {
        const char* what;
        Folder folder;
        mode_t mode; // of the old file, the user's
        Saver saver;
        rlim_t diskFullAt; // bytes a file may hold; 0 for no limit
        int error;
        QByteArray after;
    } cases[] = {
        {"a writable file", Folder::TakesNewFiles, 0640, Saver::TheUser, 0, 0, kNew},
        {"in a folder that takes no new file", Folder::TakesNoNewFile, 0640, Saver::TheUser, 0, 0,
         kNew},
        {"a read-only file", Folder::TakesNewFiles, 0444, Saver::TheUser, 0, EACCES, kOld},
        {"a read-only file where no file is new", Folder::TakesNoNewFile, 0444, Saver::TheUser, 0,
         EACCES, kOld},
        {"the user's file saved by root", Folder::TakesNoNewFile, 0600, Saver::Root, 0, 0, kNew},
        {"a full disk", Folder::TakesNewFiles, 0640, Saver::TheUser, 5, EFBIG, kOld},
        {"a full disk, written in place", Folder::TakesNoNewFile, 0640, Saver::TheUser, 5, EFBIG,
         kNew.left(5) + kOld.mid(5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.saver == Saver::Root && !testsRunAsRoot()) {
            std::cout << "skipped: " << c.what << " (the tests do not run as root)\n";
            continue;
        }
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QByteArray folder = QFile::encodeName(dir.path());
        const QString path = dir.path() + "/VELDRAKON.OVR";
        const QByteArray file = QFile::encodeName(path);
        writeFileBytes(path, kOld);
        ASSERT_EQ(::chmod(file, c.mode), 0);
        // As root the files are made the ordinary user's; a folder that takes
        // no new file is then root's.
        const uid_t user = testsRunAsRoot() ? kOrdinaryUid : ::geteuid();
        const gid_t group = testsRunAsRoot() ? kOrdinaryGid : ::getegid();
        ASSERT_EQ(::chown(file, user, group), 0);
        const bool userFolder = c.folder == Folder::TakesNewFiles;
        ASSERT_EQ(::chmod(folder, testsRunAsRoot() || userFolder ? 0755 : 0555), 0);
        if (testsRunAsRoot() && userFolder) {
            ASSERT_EQ(::chown(folder, user, group), 0);
        }

        const auto save = [&] {
            std::optional<FileSizeLimit> diskFull;
            if (c.diskFullAt != 0) diskFull.emplace(c.diskFullAt);
            return std::to_string(saveWholeFile(path, kNew));
        };
        const auto error = c.saver == Saver::Root ? save() : asOrdinaryUser(save);
        ::chmod(folder, 0755);
        if (!error) GTEST_SKIP() << "no ordinary user to run as";
        EXPECT_EQ(*error, std::to_string(c.error));
        EXPECT_EQ(fileBytes(path), c.after);
        struct stat st {};
        ASSERT_EQ(::stat(file, &st), 0);
        EXPECT_EQ(st.st_uid, user);
        EXPECT_EQ(st.st_gid, group);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "nothing left beside the file";
    }
}

TEST(SaveWholeFile, ALinkIsFollowedAndStaysALink) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFileBytes(dir.path() + "/real.OVR", kOld);
    const QByteArray link = QFile::encodeName(dir.path() + "/VELDRAKON.OVR");
    ASSERT_EQ(::symlink("real.OVR", link), 0);
    EXPECT_EQ(saveWholeFile(dir.path() + "/VELDRAKON.OVR", kNew), 0);
    EXPECT_EQ(fileBytes(dir.path() + "/real.OVR"), kNew);
    struct stat st {};
    ASSERT_EQ(::lstat(link, &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

} // namespace
