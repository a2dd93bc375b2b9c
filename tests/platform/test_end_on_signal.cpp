// Signals that ask the program to end reach the event loop once, and then no longer.
#include "platform/EndOnSignal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <csignal>
#include <gtest/gtest.h>

namespace {

bool caught(int number) {
    struct sigaction now {};
    ::sigaction(number, nullptr, &now);
    return now.sa_handler != SIG_DFL && now.sa_handler != SIG_IGN;
}

TEST(EndOnSignal, FirstSignalEndsThroughTheEventLoopAndTheNextOneIsNotCaught) {
    QObject owner;
    int ends = 0;
    endOnSignal::install(&owner, [&ends] { ++ends; });
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_TRUE(caught(number)) << number;

    ::raise(SIGTERM);
    ::raise(SIGINT); // while the first is still on its way: still one end
    EXPECT_EQ(ends, 0) << "never from inside the handler";
    const QDeadlineTimer deadline(5000);
    while (ends == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, 1);
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_FALSE(caught(number)) << number << " would not end the program at once";
}

} // namespace
