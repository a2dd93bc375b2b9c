#include "platform/EndOnSignal.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace endOnSignal {

namespace {

constexpr std::array Caught{SIGTERM, SIGINT, SIGHUP};

// The handler may do next to nothing: it writes the signal's number into a pipe that the
// event loop watches.
int wakeUp[2] = {-1, -1};

void onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = saved;
}

// What each signal did before: one the program was started to ignore (nohup, a script's
// background job) stays ignored, and a second signal gets back what it had.
std::array<struct sigaction, Caught.size()> before{};

void takeOver() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        ::sigaction(Caught[i], nullptr, &before[i]);
        if (before[i].sa_handler != SIG_IGN) {
            ::sigaction(Caught[i], &action, nullptr);
        }
    }
}

void giveBack() {
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        ::sigaction(Caught[i], &before[i], nullptr);
    }
}

} // namespace

void install(QObject* owner, std::function<void()> end) {
    if (wakeUp[0] >= 0 || ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* watcher = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, owner);
    QObject::connect(watcher, &QSocketNotifier::activated, owner, [watcher, end = std::move(end)] {
        char bytes[16];
        while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
        }
        watcher->setEnabled(false);
        giveBack();
        end();
    });
    takeOver();
}

} // namespace endOnSignal
