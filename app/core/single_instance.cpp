#include "core/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <set>

bool acquireSingleInstanceLock(const std::string& folder) {
    // flock conflicts between open files even within one process; a folder
    // this process already holds is simply ours.
    static std::set<std::string> held;
    if (held.count(folder)) return true;

    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        held.insert(folder); // fd stays open: the lock lives as long as the process
        return true;
    }
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(fd);
    return !heldElsewhere;
}
