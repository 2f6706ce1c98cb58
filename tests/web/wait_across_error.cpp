// The page's core waits for the player with Asyncify while game errors are
// C++ exceptions: a wait inside a try block, a game error raised after it
// several frames down, a wait inside the handler, and the destructors of the
// unwound frames, as the page's basho meets them. Run by Node
// (scripts/check-wasm); exits non-zero on the first difference.
#include <emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

#include "state/errors.h"

namespace {

// clang-format off
EM_ASYNC_JS(int, Answer, (int question), {
    return await new Promise(resolve => setTimeout(() => resolve(question + 1), 1));
});
// clang-format on

std::vector<std::string> events;

struct Frame {
    const char* name;
    ~Frame() { events.push_back(std::string("unwound ") + name); }
};

int Bout(int question) {
    Frame frame{"bout"};
    const int answer = Answer(question);
    if (answer == 8)
        throw kelmar::GameError("after the wait " + std::to_string(answer));
    return answer;
}

int Day(int question) {
    Frame frame{"day"};
    return Bout(Answer(question) - 1);
}

int failures = 0;

void Expect(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "wait_across_error: %s\n", what.c_str());
        ++failures;
    }
}

}  // namespace

int main() {
    int caught = 0;
    for (int round = 0; round < 3; ++round) {
        try {
            const int answer = Day(7 + round);
            events.push_back("answered " + std::to_string(answer));
        } catch (const kelmar::GameError& e) {
            ++caught;
            events.push_back(std::string("caught ") + e.what());
            events.push_back("waited in the handler " + std::to_string(Answer(100)));
        }
    }
    const std::vector<std::string> expected = {"unwound bout",
                                               "unwound day",
                                               "caught after the wait 8",
                                               "waited in the handler 101",
                                               "unwound bout",
                                               "unwound day",
                                               "answered 9",
                                               "unwound bout",
                                               "unwound day",
                                               "answered 10"};
    Expect(caught == 1, "one game error caught, not " + std::to_string(caught));
    Expect(events == expected, "the frames were not unwound and answered in order");
    for (const std::string& e : events) std::printf("%s\n", e.c_str());
    return failures == 0 ? 0 : 1;
}
