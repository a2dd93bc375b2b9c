#pragma once

#include <functional>

class QObject;

// A polite end: SIGTERM, SIGINT and SIGHUP (logging out, Ctrl+C or a closed terminal) call
// `end` from the event loop, so that the program closes as its close box would and saves what
// closing saves. A second such signal ends the program at once, as if none were caught. A
// signal the program was started to ignore stays ignored.
namespace endOnSignal {

// Call once, with the event loop's application object existing; `owner` keeps the watcher.
void install(QObject* owner, std::function<void()> end);

} // namespace endOnSignal
