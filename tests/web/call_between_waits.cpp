// The page calls the core's functions while a basho waits for the player
// (the menu, the film's timer, the pause button). Emscripten's embind, built
// with Asyncify, hands back a promise for the wait's end from any function
// called while a wait is pending, and takes over the promise of the call that
// waits; web/between_waits.js (Module.atOnce) sets the pending wait aside for
// such a call. Here, under Node (scripts/check-web): a wait of an
// asynchronous call, functions called while it is pending, with and without
// atOnce, and the waiting call's own result. Exits non-zero on the first
// difference.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

namespace {

int calls = 0;

// clang-format off
EM_ASYNC_JS(int, Wait, (), {
    return await new Promise((resolve) => { Module.answer = resolve; });
});

EM_JS(void, Drive, (), {
    const failures = [];
    const check = (ok, what) => {
        console.log((ok ? "ok   " : "FAIL ") + what);
        if (!ok) failures.push(what);
    };
    // After the glue has run to its end (between_waits.js is appended to it).
    setTimeout(async () => {
        const basho = Module.ccall("two_waits", "number", [], [], {async: true});
        check(typeof Module.answer === "function", "the asynchronous call waits");
        check(Module.atOnce(() => Module.count()) === 2, "a count between waits is a number at once");
        check(Module.atOnce(() => Module.text("片")) === "片片", "a text between waits comes back at once");
        let raised = false;
        try {
            Module.atOnce(() => Module.refuse());
        } catch (e) {
            raised = true;
        }
        check(raised, "a raising call between waits raises");
        Module.answer(20);
        await new Promise((resolve) => setTimeout(resolve, 0));
        check(Module.atOnce(() => Module.count()) === 5, "the second wait after the first answer");
        Module.answer(22);
        check(await basho === 42, "the waiting call ends with its result after its waits");
        check(Module.count() === 6, "with no wait pending embind returns at once by itself");
        // Without atOnce, embind returns a promise for the end of the pending
        // wait: the reason for between_waits.js.
        const again = Module.ccall("two_waits", "number", [], [], {async: true});
        const plain = Module.count();
        check(typeof plain === "object" && typeof plain.then === "function",
              "without atOnce a call between waits gives a promise (Emscripten's embind)");
        Module.answer(0);
        await new Promise((resolve) => setTimeout(resolve, 0));
        Module.answer(0);
        void again;
        process.exitCode = failures.length === 0 ? 0 : 1;
    }, 0);
});
// clang-format on

int Count() {
    return ++calls;
}

std::string Text(std::string text) {
    ++calls;
    return text + text;
}

void Refuse() {
    throw std::runtime_error("refused");
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE int two_waits() {
    ++calls;
    const int first = Wait();
    ++calls;
    return first + Wait();
}

EMSCRIPTEN_BINDINGS(call_between_waits) {
    emscripten::function("count", &Count);
    emscripten::function("text", &Text);
    emscripten::function("refuse", &Refuse);
}

int main() {
    Drive();
    return 0;
}
