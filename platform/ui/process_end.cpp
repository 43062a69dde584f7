#include "ui/process_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

int g_signalPipe[2] = {-1, -1};
std::function<void()> g_endProcedure;

// exit() from anywhere but the end procedure (the display connection lost
// makes the window system's layer call it) would run the destructors of
// windows whose display is gone, which crashes; it is an end from outside.
void onUnexpectedExit() {
    static bool ran = false;
    if (ran || !g_endProcedure) return;
    ran = true;
    g_endProcedure();
}

void onEndSignal(int sig) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = write(g_signalPipe[1], &byte, 1);
    // A second signal while the end procedure runs is not queued behind it.
    signal(sig, SIG_DFL);
    errno = savedErrno;
}

} // namespace

void endProcessNow(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

void installExternalEnd(std::function<void()> endProcedure) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || g_signalPipe[0] >= 0) return;
    g_endProcedure = endProcedure;
    std::atexit(onUnexpectedExit);

    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, app);
        QObject::connect(notifier, &QSocketNotifier::activated, app, [notifier, endProcedure] {
            char byte;
            while (read(g_signalPipe[0], &byte, 1) > 0) {
            }
            notifier->setEnabled(false);
            endProcedure();
        });
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int sig : {SIGTERM, SIGHUP, SIGINT})
            sigaction(sig, &action, nullptr);
    }

    // The session is ending: save and leave without asking.
    QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                     [endProcedure](QSessionManager&) { endProcedure(); });
}
