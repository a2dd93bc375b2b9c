// Starts a program and times its window from outside, on the X display in $DISPLAY:
//
//   startup_watch PROGRAM [ARGS...]
//
// prints one line "MAP_MS SHOWN_MS CPU_MS RSS_KIB PSS_KIB":
//   MAP_MS    from just before exec until the X server maps the program's top-level window
//             (MapNotify on the window whose _NET_WM_PID is the child's),
//   SHOWN_MS  until the first drawing into that window after it was mapped (a DAMAGE event):
//             the first frame is on the screen,
//   CPU_MS    the time the program's threads had run on a processor by then (schedstat): the
//             part of SHOWN_MS that does not depend on what else the machine is doing,
//   RSS_KIB, PSS_KIB  resident and proportional memory from /proc/PID/smaps_rollup one second
//             after the first frame.
// With STARTUP_WATCH_SMAPS=FILE it also copies /proc/PID/smaps to FILE at that moment, for
// bench/startup/smaps_by_mapping.py.
// The program is then ended with SIGTERM. Times come from CLOCK_MONOTONIC and events are taken
// as the server sends them, so the resolution is well under a millisecond. Exit status 3: the
// window was mapped before the watcher could watch it (a loaded machine); run it again.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

[[noreturn]] void die(const char* what) {
    std::fprintf(stderr, "startup_watch: %s\n", what);
    std::exit(1);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

long windowPid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmPid) {
    const auto cookie = xcb_get_property(c, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4) {
        return -1;
    }
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

// Nanoseconds on a processor of all threads of pid, from /proc/PID/task/*/schedstat.
double cpuMs(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu) {
            ns += onCpu;
        }
    }
    return ns / 1e6;
}

// "Rss:" and "Pss:" of /proc/PID/smaps_rollup, in KiB.
std::pair<long, long> memoryKib(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long rss = -1, pss = -1;
    std::string key;
    long value = 0;
    std::string unit;
    while (in >> key) {
        if (key == "Rss:" || key == "Pss:") {
            in >> value >> unit;
            (key == "Rss:" ? rss : pss) = value;
        } else {
            in.ignore(1 << 20, '\n');
        }
    }
    return {rss, pss};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        die("usage: startup_watch PROGRAM [ARGS...]");
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        die("cannot reach the display");
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        die("the display has no DAMAGE extension");
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // selection is in force

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("startup_watch: exec");
        _exit(127);
    }

    // Every new top-level gets watched for its map and its drawing; the program's own window
    // is told apart by its _NET_WM_PID when it is mapped.
    std::set<xcb_window_t> watched;
    xcb_window_t window = XCB_WINDOW_NONE;
    double mapped = -1, shown = -1, cpu = -1;
    const double deadline = start + 30000;
    while (shown < 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c)) {
                die("lost the display");
            }
            if (nowMs() > deadline || waitpid(child, nullptr, WNOHANG) == child) {
                kill(child, SIGKILL);
                die("no window was shown");
            }
            // Sleep on the connection rather than spin: the machine is shared with the program.
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        const double at = nowMs();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (created->parent == root && !created->override_redirect) {
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &mask);
                xcb_damage_create(c, xcb_generate_id(c), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                watched.insert(created->window);
                // On a busy machine the program may have mapped the window before this watcher
                // got round to it; that run cannot be timed and is said so (exit status 3).
                const auto cookie = xcb_get_window_attributes(c, created->window);
                std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                    xcb_get_window_attributes_reply(c, cookie, nullptr), &std::free);
                if (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED &&
                    windowPid(c, created->window, netWmPid) == child) {
                    kill(child, SIGTERM);
                    waitpid(child, nullptr, 0);
                    std::fprintf(stderr, "startup_watch: too late to watch the window; run again\n");
                    return 3;
                }
            }
        } else if (type == XCB_MAP_NOTIFY && window == XCB_WINDOW_NONE) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (watched.count(map->window) && windowPid(c, map->window, netWmPid) == child) {
                window = map->window;
                mapped = at;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && window != XCB_WINDOW_NONE) {
            const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (drawn->drawable == window) {
                shown = at;
                cpu = cpuMs(child);
            }
        }
        free(event);
    }

    usleep(1000 * 1000);
    const auto [rss, pss] = memoryKib(child);
    if (const char* copy = std::getenv("STARTUP_WATCH_SMAPS")) {
        std::ifstream smaps("/proc/" + std::to_string(child) + "/smaps");
        std::ofstream(copy) << smaps.rdbuf();
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    std::printf("%.2f %.2f %.2f %ld %ld\n", mapped - start, shown - start, cpu, rss, pss);
    return 0;
}
