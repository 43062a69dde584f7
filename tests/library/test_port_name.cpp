#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ordinary_user.h"
#include "port_name.h"

using tovaline::portDevicePath;

namespace {

class TempFolder {
  public:
    TempFolder() {
        char tmpl[] = "/tmp/tovaline-ports-XXXXXX";
        if (::mkdtemp(tmpl)) path_ = tmpl;
    }
    ~TempFolder() {
        if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace

TEST(PortName, ComNumbersWithoutALinkAreTheSerialDevices) {
    EXPECT_EQ(portDevicePath("COM1", ""), "/dev/ttyS0");
    EXPECT_EQ(portDevicePath("COM255", "/nonexistent"), "/dev/ttyS254");
    EXPECT_EQ(portDevicePath("com7", ""), "/dev/ttyS6");
}

TEST(PortName, ALinkBesideTheLibraryWins) {
    TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    ASSERT_EQ(::mkdir((folder.path() + "/ports").c_str(), 0755), 0);
    // A dangling link still names the port the user meant.
    ASSERT_EQ(::symlink("/dev/ttyUSB9", (folder.path() + "/ports/COM3").c_str()), 0);
    EXPECT_EQ(portDevicePath("COM3", folder.path()), folder.path() + "/ports/COM3");
    EXPECT_EQ(portDevicePath("COM4", folder.path()), "/dev/ttyS3");
}

// Only a missing entry falls back to /dev/ttyS<n-1>: one that cannot be
// looked at must not send the user's bytes to another device.
TEST(PortName, AnEntryThatCannotBeLookedAtOpensNothing) {
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    const std::string ports = folder.path() + "/ports";
    ASSERT_EQ(::symlink("ports", ports.c_str()), 0);
    EXPECT_EQ(portDevicePath("COM3", folder.path()), "") << "ports/ a link to itself";
    ASSERT_EQ(::unlink(ports.c_str()), 0);
    ASSERT_EQ(::mkdir(ports.c_str(), 0), 0);
    const auto found =
        asOrdinaryUser([&] { return int(portDevicePath("COM3", folder.path()).size()); });
    if (!found) GTEST_SKIP() << "no ordinary user to run as";
    EXPECT_EQ(*found, 0) << "ports/ not searchable";
}

TEST(PortName, PathsAreTakenAsTheyStand) {
    EXPECT_EQ(portDevicePath("/dev/pts/7", ""), "/dev/pts/7");
}

TEST(PortName, OtherNamesAreRefused) {
    for (const char* name : {"", "COM", "COM0", "COM256", "COM1000", "COM01", "COMx", "COM1 ",
                             "LPT1", "ttyS0", "dev/ttyS0"})
        EXPECT_EQ(portDevicePath(name, ""), "") << name;
    EXPECT_EQ(portDevicePath(nullptr, ""), "");
}

TEST(PortName, TheLibraryFolderIsFound) {
    const std::string folder = tovaline::libraryFolder();
    ASSERT_FALSE(folder.empty());
    struct stat st;
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}
