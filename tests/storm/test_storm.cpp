// A seeded storm of random user events against the real window, with every invariant
// checked after every event. TINTWELL_STORM_SEEDS (comma-separated) and
// TINTWELL_STORM_EVENTS (per seed) make a longer run; TINTWELL_STORM_TRACE=1 prints each
// event. A failure names its seed and event, so rerunning that seed with one more event than
// the failing index replays it.
#include "storm/StormDriver.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

struct StormPlan {
    QList<std::uint64_t> seeds;
    int eventsPerSeed;
};

// Four seeds of 2,500 events: 10^4 events, about 20 s under the sanitizers.
StormPlan plan() {
    StormPlan p{{1, 2, 3, 4}, 2500};
    const QStringList seeds =
        qEnvironmentVariable("TINTWELL_STORM_SEEDS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!seeds.isEmpty()) {
        p.seeds.clear();
        for (const QString& s : seeds) {
            p.seeds << s.trimmed().toULongLong();
        }
    }
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("TINTWELL_STORM_EVENTS", &ok);
    if (ok && events > 0) {
        p.eventsPerSeed = events;
    }
    return p;
}

// Drops the offscreen platform's notes on what it cannot do and the test library's note on
// points outside a window, which random points are meant to be now and then.
QtMessageHandler passOn = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.contains(QLatin1String("occurs outside target window"))) {
        return;
    }
    passOn(type, context, message);
}

TEST(Storm, EveryInvariantHoldsAfterEveryRandomEvent) {
    const StormPlan p = plan();
    passOn = qInstallMessageHandler(quietHandler);
    const bool trace = qEnvironmentVariableIntValue("TINTWELL_STORM_TRACE") == 1;
    // Qt's colour dialog keeps its own file under the configuration folder: a private one.
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    QElapsedTimer clock;
    clock.start();
    int events = 0, boxes = 0, restarts = 0, failures = 0;
    for (std::uint64_t seed : p.seeds) {
        QTemporaryDir settings;
        ASSERT_TRUE(settings.isValid());
        const StormOutcome outcome = runStorm(seed, p.eventsPerSeed, settings.path(), trace);
        events += outcome.events;
        boxes += outcome.boxesAnswered;
        restarts += outcome.restarts;
        if (!outcome.failure.isEmpty()) {
            ++failures;
            ADD_FAILURE() << outcome.failure.toStdString();
        }
    }
    std::printf(
        "storm: %d events over %lld seeds, %d boxes and menus answered, %d restarts, %d broken, %.1f s\n",
        events, static_cast<long long>(p.seeds.size()), boxes, restarts, failures, clock.elapsed() / 1000.0);

    qInstallMessageHandler(passOn);
    if (oldConfig.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
}

} // namespace
