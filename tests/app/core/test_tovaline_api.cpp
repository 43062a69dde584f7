// The program's binding of the library: an installed table is used as it
// is; a library that cannot be bound ends the program with a message.
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "core/program_folder.h"
#include "core/tovaline_api.h"

namespace {

int g_opens = 0;
int16_t recordingOpen(const char* name) {
    ++g_opens;
    return std::string(name) == "COM2" ? -1 : 0;
}

TEST(TovalineBinding, InstalledTableIsWhatTheProgramCalls) {
    TovalineApi table;
    table.OpenCommPort = recordingOpen;
    installTovalineApi(&table);
    EXPECT_EQ(lib().OpenCommPort("COM2"), -1);
    EXPECT_EQ(lib().OpenCommPort("COM3"), 0);
    EXPECT_EQ(g_opens, 2);
    installTovalineApi(nullptr);
}

TEST(TovalineBinding, MissingLibraryEndsTheProgramWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    setProgramFolderForTests(empty.path().toStdString());
    EXPECT_EXIT(
        {
            int32_t bps = 0;
            lib().ReadBPS(&bps);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE),
        "cannot load the serial-port library .*libtovaline.so");
    setProgramFolderForTests({});
}

TEST(TovalineBinding, LibraryWithoutAnExportEndsTheProgramNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Any loadable shared object that lacks the exports stands in.
    ASSERT_EQ(symlink("/lib/x86_64-linux-gnu/libm.so.6",
                      (folder.path() + "/libtovaline.so").toLocal8Bit().constData()),
              0);
    setProgramFolderForTests(folder.path().toStdString());
    EXPECT_EXIT(lib().CloseCommPort(), ::testing::ExitedWithCode(EXIT_FAILURE),
                "lacks OpenCommPort");
    setProgramFolderForTests({});
}

} // namespace
