// A step run with an ordinary user's rights, which root's tests lack: root
// may search and write whatever the modes forbid.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

// The user a root test gives its rights up for; its files are made for it.
inline constexpr uid_t kOrdinaryUid = 65534;
inline constexpr gid_t kOrdinaryGid = 65534;

inline bool testsRunAsRoot() {
    return ::geteuid() == 0;
}

// What the step returns (0 to 254), run here when the tests are not root's,
// else in a child that has become kOrdinaryUid (the folders it works in must
// let that user in). Nothing where no ordinary user can be had.
inline std::optional<int> asOrdinaryUser(const std::function<int()>& step) {
    if (!testsRunAsRoot()) return step();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ordinary = ::setgroups(0, nullptr) == 0 && ::setgid(kOrdinaryGid) == 0 &&
                              ::setuid(kOrdinaryUid) == 0;
        ::_exit(ordinary ? step() : 255);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return std::nullopt;
    return WEXITSTATUS(status);
}
