// Put before the C library (LD_PRELOAD) of a kelmar-sim that a test starts:
//   KELMAR_KILL_AT_SAVE=before|after  the program kills itself (SIGKILL) just
//       before or just after the saved game "Kelmar.ini" takes its place;
//   KELMAR_COUNT_SYNCS=FILE           the syncs of the record's write-ahead
//       log (a file whose name ends in "-wal") are counted, and the count
//       written to FILE at exit.
// Nothing else changes: every call goes on to the C library's own.
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<long> syncs{0};

bool IsSavedGame(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return std::strcmp(slash != nullptr ? slash + 1 : path, "Kelmar.ini") == 0;
}

void KillIf(const char* path, const char* moment) {
    const char* when = std::getenv("KELMAR_KILL_AT_SAVE");
    if (when != nullptr && std::strcmp(when, moment) == 0 && IsSavedGame(path))
        ::raise(SIGKILL);
}

void CountSync(int fd) {
    if (std::getenv("KELMAR_COUNT_SYNCS") == nullptr)
        return;
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return;
    target[n] = '\0';
    if (n >= 4 && std::strcmp(target + n - 4, "-wal") == 0)
        ++syncs;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// Writes the count as the program exits.
struct SyncReport {
    ~SyncReport() {
        const char* file = std::getenv("KELMAR_COUNT_SYNCS");
        if (file == nullptr)
            return;
        if (FILE* out = std::fopen(file, "w")) {
            std::fprintf(out, "%ld\n", syncs.load());
            std::fclose(out);
        }
    }
} report;

}  // namespace

extern "C" int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    KillIf(to, "before");
    const int result = next(from, to);
    KillIf(to, "after");
    return result;
}

extern "C" int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    CountSync(fd);
    return next(fd);
}

extern "C" int fdatasync(int fd) {
    static const auto next = Next<int (*)(int)>("fdatasync");
    CountSync(fd);
    return next(fd);
}
