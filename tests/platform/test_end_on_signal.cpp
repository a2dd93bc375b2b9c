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

bool ignored(int number) {
    struct sigaction now {};
    ::sigaction(number, nullptr, &now);
    return now.sa_handler == SIG_IGN;
}

// SIGHUP ignored from the start, as under nohup: it stays so throughout.
TEST(EndOnSignal, FirstSignalEndsThroughTheEventLoopAndTheNextOneIsNotCaught) {
    ::signal(SIGHUP, SIG_IGN);
    QObject owner;
    int ends = 0;
    endOnSignal::install(&owner, [&ends] { ++ends; });
    for (const int number : {SIGTERM, SIGINT})
        EXPECT_TRUE(caught(number)) << number;
    EXPECT_TRUE(ignored(SIGHUP));
    ::raise(SIGHUP);
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, 0) << "an ignored signal ended the program";

    ::raise(SIGTERM);
    ::raise(SIGINT); // while the first is still on its way: still one end
    EXPECT_EQ(ends, 0) << "never from inside the handler";
    const QDeadlineTimer deadline(5000);
    while (ends == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, 1);
    for (const int number : {SIGTERM, SIGINT})
        EXPECT_FALSE(caught(number)) << number << " would not end the program at once";
    EXPECT_TRUE(ignored(SIGHUP));
}

} // namespace
