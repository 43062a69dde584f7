// A step run with an ordinary user's rights, which root's tests lack: root
// may search, read and write whatever the modes forbid.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <functional>
#include <optional>
#include <string>

// The user a root test gives its rights up for; its files are made for it.
inline constexpr uid_t kOrdinaryUid = 65534;
inline constexpr gid_t kOrdinaryGid = 65534;

inline bool testsRunAsRoot() {
    return ::geteuid() == 0;
}

// What the step returns, run in this process when the tests are not root's,
// else in a child that has become kOrdinaryUid (the folders it works in must
// let that user in). Nothing where no ordinary user can be had.
inline std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& step) {
    if (!testsRunAsRoot()) return step();
    int out[2];
    if (::pipe(out) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        if (::setgroups(0, nullptr) != 0 ||
            ::setresgid(kOrdinaryGid, kOrdinaryGid, kOrdinaryGid) != 0 ||
            ::setresuid(kOrdinaryUid, kOrdinaryUid, kOrdinaryUid) != 0)
            ::_exit(1);
        const std::string answer = step();
        const bool written =
            ::write(out[1], answer.data(), answer.size()) == ssize_t(answer.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(out[1]);
    std::string answer;
    char block[256];
    for (ssize_t n; (n = ::read(out[0], block, sizeof block)) != 0;) {
        if (n > 0)
            answer.append(block, size_t(n));
        else if (errno != EINTR)
            break;
    }
    ::close(out[0]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return answer;
}
