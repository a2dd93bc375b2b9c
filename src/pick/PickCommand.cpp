#include "pick/PickCommand.h"

#include "notation/NotationText.h"
#include "pick/ScreenPick.h"
#include "platform/EndOnSignal.h"
#include "platform/PlatformStart.h"
#include "platform/ProgramTitle.h"

#include <QApplication>
#include <cstdio>

namespace {
constexpr int CancelledStatus = 1;
constexpr int FailedStatus = 2;

// One line, whatever the message holds, so a script's log shows the whole complaint.
void complain(QString line) {
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "tintwell: %s\n", qPrintable(line));
}

int report(const PickOutcome& outcome, int notation) {
    switch (outcome.kind) {
    case PickOutcome::Picked: {
        const modColors::ColourValue c = outcome.colour;
        const QString text = notationText::textOf(notation, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        std::printf("%s\n", qPrintable(text));
        return 0;
    }
    case PickOutcome::Cancelled:
        return CancelledStatus;
    case PickOutcome::NothingPicked:
        complain(outcome.message);
        return CancelledStatus;
    case PickOutcome::Failed:
    case PickOutcome::Unavailable:
        break;
    }
    complain(outcome.message);
    return FailedStatus;
}
} // namespace

int pickCommand::run(int argc, char** argv, int notation) {
    platformStart::guard();
    QApplication app(argc, argv);
    platformStart::release();
    QApplication::setApplicationName(ProgramTitle);
    // Nothing else is open while picking: the loupe closing must not end the run early.
    QApplication::setQuitOnLastWindowClosed(false);
    int status = FailedStatus;
    const CancelPick cancel = pickFromScreen(nullptr, [&status, notation](const PickOutcome& outcome) {
        status = report(outcome, notation);
        std::fflush(stdout);
        QCoreApplication::exit(status);
    });
    // Ctrl+C or a kill ends a pick that waits for ever as a cancel, the desktop's picker closed
    // first; a second signal ends the program at once.
    endOnSignal::install(&app, cancel);
    QApplication::exec();
    return status;
}
