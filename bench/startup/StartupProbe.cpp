// Times one start-up: from just before the program is started to the moment
// it reports its first frame on screen (the "first frame on screen" line of
// the orlix.paint log), then reads its memory after a pause.
//
// Usage: orlix-startup-probe SETTLE-MS PROGRAM [ARGUMENTS...]
// Prints "MS RSS-KB ANON-KB FILE-KB SHMEM-KB CPU-MS WM-MS": the processor
// time used up to the first frame, and how long of the start-up the game
// waited for the window manager to settle its window; exits 1 when the
// program ends
// or stays silent for 20 s without reporting a frame. With ORLIX_PROBE_LOG
// set to a file name, what the program logged goes there, its first line
// the monotonic clock at the start in milliseconds.
#include "LogLines.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;
std::string Line(const LogLine& line) {
    return std::string(line.category) + ": " + line.text;
}
const std::string kMarker = Line(LogLines::kFirstFrame);
constexpr int kTimeoutMs = 20000;

// When the window was shown (its map request sent) and when the window
// manager had settled it, by the game's orlix.window log: the time between
// is the game waiting for the window manager.
struct WindowWait {
    std::optional<Clock::time_point> shown, settled;
    void Look(const std::string& log) {
        const auto now = Clock::now();
        if (!shown && log.find(Line(LogLines::kShown) + " ") != std::string::npos)
            shown = now;
        if (!settled && log.find(Line(LogLines::kSettled)) != std::string::npos)
            settled = now;
    }
    double Ms() const {
        return shown && settled
                   ? std::chrono::duration<double, std::milli>(*settled - *shown).count()
                   : 0.0;
    }
};

// Reads what the program writes until the deadline, or until the marker
// when asked to; false when the program has gone.
bool Drain(int fd, std::string& log, Clock::time_point deadline, bool untilMarker,
           WindowWait& wait) {
    char buffer[4096];
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return true;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0)
            continue;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        log.append(buffer, size_t(n));
        wait.Look(log);
        if (untilMarker && log.find(kMarker) != std::string::npos)
            return true;
    }
}

// Processor time the program has used so far, all its threads, in ms.
double CpuMsOf(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return 0;
    char line[1024];
    const bool read = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    const char* afterName = read ? std::strrchr(line, ')') : nullptr;
    unsigned long user = 0, system = 0;
    if (afterName == nullptr ||
        std::sscanf(afterName + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user,
                    &system) != 2)
        return 0;
    return double(user + system) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

std::map<std::string, long> MemoryOf(pid_t pid) {
    std::map<std::string, long> kb;
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return kb;
    char line[256];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        char key[64];
        long value = 0;
        if (std::sscanf(line, "%63[^:]: %ld kB", key, &value) == 2)
            kb[key] = value;
    }
    std::fclose(file);
    return kb;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE-MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    setenv("QT_LOGGING_RULES", "orlix.paint.debug=true\norlix.window.debug=true", 1);
    setenv("QT_MESSAGE_PATTERN", "%{category}: %{message}", 1);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return 2;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const Clock::time_point started = Clock::now();
    if (posix_spawn(&pid, argv[2], &actions, nullptr, argv + 2, environ) != 0)
        return 2;
    close(out[1]);
    std::string log;
    WindowWait wait;
    const bool running =
        Drain(out[0], log, started + std::chrono::milliseconds(kTimeoutMs), true, wait);
    if (!running || log.find(kMarker) == std::string::npos) {
        std::fprintf(stderr, "%s reported no first frame:\n%s", argv[2], log.c_str());
        Stop(pid);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    const double cpuMs = CpuMsOf(pid);
    Drain(out[0], log, Clock::now() + std::chrono::milliseconds(settleMs), false, wait);
    const auto kb = MemoryOf(pid);
    Stop(pid);
    if (const char* logFile = std::getenv("ORLIX_PROBE_LOG")) {
        if (FILE* file = std::fopen(logFile, "w")) {
            const auto since = started.time_since_epoch();
            std::fprintf(file, "started %.3f\n",
                         std::chrono::duration<double, std::milli>(since).count());
            std::fputs(log.c_str(), file);
            std::fclose(file);
        }
    }
    const auto value = [&kb](const char* key) {
        const auto found = kb.find(key);
        return found == kb.end() ? 0L : found->second;
    };
    std::printf("%.1f %ld %ld %ld %ld %.0f %.1f\n", ms, value("VmRSS"), value("RssAnon"),
                value("RssFile"), value("RssShmem"), cpuMs, wait.Ms());
    return 0;
}
