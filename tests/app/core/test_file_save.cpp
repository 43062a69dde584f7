// The one save of the settings and the keys: the file stays its user's,
// whoever saves it and whatever the folder allows.
#include "core/file_save.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "file_size_limit.h"
#include "ordinary_user.h"
#include "test_files.h"

namespace {

TEST(SaveWholeFile, KeepsTheFileItsUsersOwnAndNeverShorterOnAFailure) {
    const QByteArray old = "old settings, longer than the new", saved = "new settings";
    const struct {
        const char* what;
        bool folderTakesNewFiles;
        mode_t mode; // of the user's old file
        bool byRoot;
        rlim_t diskFullAt; // 0: no limit
        int error;
        QByteArray after;
    } cases[] = {
        {"a writable file", true, 0640, false, 0, 0, saved},
        {"a folder that takes no new file", false, 0640, false, 0, 0, saved},
        {"a read-only file", true, 0444, false, 0, EACCES, old},
        {"the user's file saved by root", false, 0600, true, 0, 0, saved},
        {"a full disk, in place", false, 0640, false, 5, EFBIG, saved.left(5) + old.mid(5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.byRoot && !testsRunAsRoot()) continue;
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.path() + "/VELDRAKON.OVR";
        const QByteArray folder = QFile::encodeName(dir.path()), file = QFile::encodeName(path);
        writeFileBytes(path, old);
        // As root the file is made the ordinary user's, in a folder of root's
        // unless the user may add to it.
        const uid_t user = testsRunAsRoot() ? kOrdinaryUid : ::geteuid();
        const gid_t group = testsRunAsRoot() ? kOrdinaryGid : ::getegid();
        ASSERT_EQ(::chmod(file, c.mode) | ::chown(file, user, group), 0);
        ASSERT_EQ(::chown(folder, c.folderTakesNewFiles ? user : ::geteuid(), group), 0);
        ASSERT_EQ(::chmod(folder, c.folderTakesNewFiles || testsRunAsRoot() ? 0755 : 0555), 0);

        const auto save = [&] {
            std::optional<FileSizeLimit> diskFull;
            if (c.diskFullAt != 0) diskFull.emplace(c.diskFullAt);
            return saveWholeFile(path, saved);
        };
        const auto error = c.byRoot ? save() : asOrdinaryUser(save);
        ::chmod(folder, 0755);
        if (!error) GTEST_SKIP() << "no ordinary user to run as";
        EXPECT_EQ(*error, c.error);
        EXPECT_EQ(fileBytes(path), c.after);
        struct stat st {};
        ASSERT_EQ(::stat(file, &st), 0);
        EXPECT_EQ(st.st_uid, user);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

} // namespace
