#include "support/size_limit.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "state/errors.h"
#include "support/game_error.h"

namespace kelmar::testing {

namespace {

void WriteAllToPipe(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

// The body's text, from a child process; "crashed" unless it exits normally.
std::string InChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child < 0)
        return "fork failed";
    if (child == 0) {
        ::close(fds[0]);
        WriteAllToPipe(fds[1], body());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string outcome;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) outcome.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "crashed";
    return outcome;
}

constexpr uid_t kNobody = 65534;

// Whether a file can still be made in the folder.
bool Writable(const std::string& folder) {
    const std::string probe = folder + "/.write-probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::string GameErrorUnderSizeLimit(size_t limitBytes, const std::function<void()>& body) {
    return InChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return GameErrorOf(body);
    });
}

std::string InReadOnlyFolder(const std::string& folder, const std::function<std::string()>& body) {
    if (::chmod(folder.c_str(), 0555) != 0)
        return "chmod failed";
    const std::string outcome = InChild([&]() -> std::string {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            return "cannot give up root";
        if (Writable(folder))
            return "the folder is still writable";
        return body();
    });
    ::chmod(folder.c_str(), 0700);
    return outcome;
}

}  // namespace kelmar::testing
