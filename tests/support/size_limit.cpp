#include "support/size_limit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "state/errors.h"

namespace kelmar::testing {

namespace {

void WriteAllToPipe(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

std::string GameErrorUnderSizeLimit(size_t limitBytes, const std::function<void()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string outcome = "no error";
        try {
            body();
        } catch (const GameError& e) {
            outcome = e.what();
        }
        WriteAllToPipe(fds[1], outcome);
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string outcome;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) outcome.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "crashed";
    return outcome;
}

}  // namespace kelmar::testing
