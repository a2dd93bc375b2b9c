#include "storm/StormDriver.h"

#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"
#include "storm/BoxAnswerer.h"
#include "storm/StormGenerator.h"
#include "storm/StormInput.h"
#include "storm/StormInvariants.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

// An event that takes longer than this is reported: something waited that should not have.
constexpr qint64 SlowEventMs = 200;

// The real desktop, except that the address label's page is not opened in a browser.
class StormDesktop : public QtDesktopServices {
  public:
    void openAddress(const QString& address) override { opened << address; }
    QStringList opened;
};

std::unique_ptr<frmTintwell> openWindow(SettingsStore& store, DesktopServices& desktop) {
    auto window = std::make_unique<frmTintwell>(store, desktop);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        std::fprintf(stderr, "storm: the window did not become active; keys go to it all the same\n");
    }
    stormInput::settle();
    return window;
}

// Lets go of any mouse button a press left down, so the next window starts clean.
void releaseButtons(QWidget* window) {
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    for (Qt::MouseButton b :
         {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton}) {
        if (held & b) {
            QTest::mouseRelease(window->windowHandle(), b);
        }
    }
}

} // namespace

StormOutcome runStorm(std::uint64_t seed, int events, const QString& settingsRoot, bool trace) {
    StormOutcome outcome;
    SettingsStore store(settingsRoot);
    const QString settingsFile = store.filePath(frmTintwell::Title);
    StormDesktop desktop;
    StormRandom random(seed);
    StormGenerator generator(random);
    BoxAnswerer answerer(random);
    std::unique_ptr<frmTintwell> window = openWindow(store, desktop);
    QStringList recent;

    for (int i = 0; i < events && outcome.failure.isEmpty(); ++i) {
        const StormEvent event = generator.next(window.get());
        const QString line = QStringLiteral("seed %1 event %2: %3").arg(seed).arg(i).arg(event.describe());
        if (trace) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
        }
        recent.append(line);
        if (recent.size() > 5) {
            recent.removeFirst();
        }
        QElapsedTimer took;
        took.start();
        if (event.kind == StormEvent::Restart) {
            releaseButtons(window.get());
            window->close();
            window.reset();
            window = openWindow(store, desktop);
            ++outcome.restarts;
        } else {
            stormInput::perform(event, window.get());
        }
        ++outcome.events;
        if (took.elapsed() > SlowEventMs) {
            std::fprintf(stderr, "storm: slow (%lld ms): %s\n", static_cast<long long>(took.elapsed()),
                         qPrintable(line));
        }
        const QStringList broken = stormInvariants::broken(*window, settingsFile);
        if (!broken.isEmpty()) {
            outcome.failure = QStringLiteral("broken after %1\n  %2\nthe events before it:\n  %3")
                                  .arg(line, broken.join(QStringLiteral("\n  ")),
                                       recent.mid(0, recent.size() - 1).join(QStringLiteral("\n  ")));
        }
    }
    releaseButtons(window.get());
    window->close();
    // What close wrote must read cleanly too.
    const QString trouble = stormInvariants::settingsFileTrouble(settingsFile);
    if (outcome.failure.isEmpty() && !trouble.isEmpty()) {
        outcome.failure =
            QStringLiteral("seed %1: after closing, the settings file %2").arg(seed).arg(trouble);
    }
    window.reset();
    outcome.boxesAnswered = answerer.answered();
    return outcome;
}
