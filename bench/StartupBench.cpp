// SPDX-License-Identifier: GPL-3.0-or-later
// What a user waits for when he starts the program: from exec to the main window mapped on
// the X server, beside a minimal Qt Widgets program (and the same linked with the Qt modules
// Tavolin uses), the programs alternated run after run so that the machine's moods fall on
// all of them alike. Each program's resident memory is read when its window is mapped.
// Runs on $DISPLAY, or on an Xvfb of its own when there is none. With
// TAVOLIN_BEFORE=/path/to/another/tavolin, that one runs too, to compare two versions.
// Each program runs 40 times (the median is reported), TAVOLIN_STARTUP_RUNS times if set.
// Run the optimised build: build/release/bench/tavolin_startup_bench.
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs of each program; TAVOLIN_STARTUP_RUNS sets another number.
int runCount() {
    const char* runs = std::getenv("TAVOLIN_STARTUP_RUNS");
    return runs != nullptr && std::atoi(runs) > 0 ? std::atoi(runs) : 40;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> arguments;
};

// Tavolin started as the desktop's menu starts it.
const std::vector<std::string> kAsFromTheMenu{"--user-data"};
// No start-up box stands in for a main window: it is at least that wide.
constexpr int kLeastWindowWidth = 600;

// An X server of the benchmark's own, on the first free display.
class OwnXServer {
public:
    OwnXServer() {
        int displayPipe[2];
        if (pipe(displayPipe) != 0) {
            throw std::runtime_error("no pipe");
        }
        const std::string fd = std::to_string(displayPipe[1]);
        const char* argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                              "1280x1024x24", "-nolisten",  "tcp",      nullptr};
        if (posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
            throw std::runtime_error("Xvfb did not start");
        }
        close(displayPipe[1]);
        char number[16] = {};
        const ssize_t got = read(displayPipe[0], number, sizeof number - 1);
        close(displayPipe[0]);
        if (got <= 0) {
            throw std::runtime_error("Xvfb gave no display");
        }
        display_ = ":" + std::string(number, std::strcspn(number, "\n"));
    }
    ~OwnXServer() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

// The X server's word that a top-level window was mapped.
class MapWatcher {
public:
    explicit MapWatcher(const std::string& display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_) != 0) {
            throw std::runtime_error("cannot reach the X server " + display);
        }
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }

    // Waits for the next map of a window that is not a menu or a tooltip; gives its width.
    int waitForMap() {
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const bool mapped =
                (event->response_type & 0x7F) == XCB_MAP_NOTIFY && map->override_redirect == 0;
            const xcb_window_t window = map->window;
            std::free(event);
            if (mapped) {
                return widthOf(window);
            }
        }
        throw std::runtime_error("the X server went away");
    }

private:
    int widthOf(xcb_window_t window) {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        const int width = geometry != nullptr ? geometry->width : 0;
        std::free(geometry);
        return width;
    }

    xcb_connection_t* connection_ = nullptr;
};

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return 0;
}

// Ends a program as the desktop does, so that it leaves its folder as a user finds it (no
// lock of a dead program to take over); one that does not end is killed.
void endProgram(pid_t child) {
    constexpr auto kPatience = std::chrono::seconds(5);
    kill(child, SIGTERM);
    const auto asked = std::chrono::steady_clock::now();
    while (waitpid(child, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - asked > kPatience) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return;
        }
        usleep(1000);
    }
}

// The processor time all of a process's threads have had, in milliseconds: on a busy machine
// it stays what the start costs while the time waited grows.
double processorMilliseconds(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    double nanoseconds = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onProcessor = 0;
        if (schedstat >> onProcessor) {
            nanoseconds += onProcessor;
        }
    }
    return nanoseconds / 1e6;
}

struct Start {
    double milliseconds;
    double processorMilliseconds;
    long residentKilobytes;
};

// Starts `program` and times it until its window is mapped; then ends it.
Start timeStart(const Program& program, MapWatcher& watcher,
                const std::vector<std::string>& environment) {
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    std::vector<char*> argv{const_cast<char*>(program.path.c_str())};
    for (const std::string& argument : program.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const auto started = std::chrono::steady_clock::now();
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("did not start: " + program.path);
    }
    const int width = watcher.waitForMap();
    const std::chrono::duration<double, std::milli> took =
        std::chrono::steady_clock::now() - started;
    const long resident = residentKilobytes(child);
    const double processor = processorMilliseconds(child);
    endProgram(child);
    if (width < kLeastWindowWidth) {
        throw std::runtime_error(program.path + " showed a box, not its window");
    }
    return {took.count(), processor, resident};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_StartUntilMapped(benchmark::State& state, const std::vector<Program>& programs) {
    std::unique_ptr<OwnXServer> ownServer;
    std::string display = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
    if (display.empty()) {
        ownServer = std::make_unique<OwnXServer>();
        display = ownServer->display();
    }
    // A players' folder of the benchmark's own, made by the first start.
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("tavolin-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    const std::vector<std::string> environment{
        "DISPLAY=" + display,
        "QT_QPA_PLATFORM=xcb",
        "HOME=" + home.string(),
        "XDG_DATA_HOME=" + (home / "data").string(),
        "XDG_CONFIG_HOME=" + (home / "config").string(),
        "LANG=fr_FR.UTF-8",
        "PATH=/usr/bin:/bin",
    };
    MapWatcher watcher(display);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<double>> processor(programs.size());
    std::vector<std::vector<double>> memory(programs.size());
    for (auto _ : state) {
        try {
            for (const Program& program : programs) {
                timeStart(program, watcher, environment);  // files into the page cache
            }
            for (int run = 0; run < runCount(); ++run) {
                for (std::size_t k = 0; k < programs.size(); ++k) {
                    const Start start = timeStart(programs[k], watcher, environment);
                    times[k].push_back(start.milliseconds);
                    processor[k].push_back(start.processorMilliseconds);
                    memory[k].push_back(static_cast<double>(start.residentKilobytes) / 1024);
                }
            }
        } catch (const std::exception& failure) {
            // Said, and the X server of the benchmark's own ended with it.
            std::filesystem::remove_all(home);
            state.SkipWithError(failure.what());
            return;
        }
    }
    std::filesystem::remove_all(home);
    const double yardstick = median(times.front());
    for (std::size_t k = 0; k < programs.size(); ++k) {
        state.counters[programs[k].name + "_ms"] = median(times[k]);
        state.counters[programs[k].name + "_cpu_ms"] = median(processor[k]);
        state.counters[programs[k].name + "_MB"] = median(memory[k]);
        if (k > 0) {
            state.counters[programs[k].name + "_times_minimal"] = median(times[k]) / yardstick;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<Program> programs{{"minimal", TAVOLIN_MINIMAL_WINDOW_PATH, {}},
                                  {"minimal_linked", TAVOLIN_MINIMAL_LINKED_WINDOW_PATH, {}}};
    if (const char* before = std::getenv("TAVOLIN_BEFORE")) {
        programs.push_back({"before", before, kAsFromTheMenu});
    }
    programs.push_back({"tavolin", TAVOLIN_PATH, kAsFromTheMenu});
    benchmark::RegisterBenchmark("StartUntilMapped", BM_StartUntilMapped, programs)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
