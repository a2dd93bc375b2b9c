#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// Runs one seeded storm against a real window on a settings folder of its own, checking
// every invariant after every event. It stops at the first broken invariant: what follows
// would only be its consequences.
struct StormOutcome {
    int events = 0;        // events performed
    int boxesAnswered = 0; // message boxes, input boxes, colour dialogs and popup menus answered
    int restarts = 0;
    QString failure; // empty when every invariant held throughout
};

// `settingsRoot` is the folder the store keeps its file under; `trace` prints every event.
StormOutcome runStorm(std::uint64_t seed, int events, const QString& settingsRoot, bool trace = false);
