#include <fcntl.h>
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

// Only an entry that is surely not there falls back to the serial device;
// one that cannot be looked at opens nothing rather than another device.
TEST(PortName, TheEntryBesideTheLibraryOrTheSerialDeviceOnlyWhereThereIsNone) {
    enum Ports { LinkInFolder, EmptyFolder, NoFolder, AFile, LinkLoop, Unsearchable };
    const struct {
        const char* what;
        Ports ports;
        bool entryOpened;     // else `expected`
        const char* expected; // "/dev/ttyS2", or "" for no device
    } cases[] = {
        {"a link, its device gone", LinkInFolder, true, ""},
        {"no entry", EmptyFolder, false, "/dev/ttyS2"},
        {"no ports folder", NoFolder, false, "/dev/ttyS2"},
        {"ports a file", AFile, false, ""},
        {"ports a link to itself", LinkLoop, false, ""},
        {"ports not searchable", Unsearchable, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        ASSERT_FALSE(folder.path().empty());
        ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
        const std::string ports = folder.path() + "/ports";
        const std::string entry = ports + "/COM3";
        int made = 0;
        if (c.ports == LinkInFolder || c.ports == EmptyFolder || c.ports == Unsearchable)
            made |= ::mkdir(ports.c_str(), 0755);
        if (c.ports == LinkInFolder || c.ports == Unsearchable)
            made |= ::symlink("/dev/ttyUSB9", entry.c_str());
        if (c.ports == Unsearchable) made |= ::chmod(ports.c_str(), 0);
        if (c.ports == AFile) made |= ::close(::creat(ports.c_str(), 0644));
        if (c.ports == LinkLoop) made |= ::symlink("ports", ports.c_str());
        ASSERT_EQ(made, 0);

        const auto device = asOrdinaryUser([&] { return portDevicePath("COM3", folder.path()); });
        ::chmod(ports.c_str(), 0755);
        if (!device) GTEST_SKIP() << "no ordinary user to run as";
        EXPECT_EQ(*device, c.entryOpened ? entry : std::string(c.expected));
    }
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
