// The output of runs played at once on several threads, written in run order:
// the lines of run 0, then those of run 1, and so on. The run at the head
// writes straight through; a run ahead of it keeps what it wrote in a
// temporary file until every run before it has finished, so memory stays
// bounded however long the runs are.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>

namespace kelmar::sim {

class OrderedOutput {
  public:
    explicit OrderedOutput(std::FILE* out) : out_(out) {}
    ~OrderedOutput();
    OrderedOutput(const OrderedOutput&) = delete;
    OrderedOutput& operator=(const OrderedOutput&) = delete;

    // Waits until the run may start: no more than `window` runs are under
    // way or waiting to be written at any time.
    void WaitForTurn(int64_t run, int64_t window);
    // Takes the text a run wrote so far, and empties the buffer.
    void Write(int64_t run, std::string& text);
    // The run's last text: it is done. Returns when it is written or kept.
    void Finish(int64_t run, std::string& text);
    // The run stopped on an error: the output ends with what it wrote, and
    // the runs after it are dropped. Returns the first run that failed.
    int64_t Fail(int64_t run, std::string& text);
    // Whether a run before this one failed, so that it need not be played.
    bool Dropped(int64_t run);

  private:
    struct Waiting {
        std::FILE* spill = nullptr;
        bool finished = false;
    };
    void WriteOut(const char* data, size_t size);
    void DrainSpill(Waiting& waiting);
    void Advance();

    std::FILE* out_;
    std::mutex mutex_;
    std::condition_variable turn_;
    int64_t head_ = 0;
    int64_t cut_ = INT64_MAX;  // the first run that failed
    std::map<int64_t, Waiting> waiting_;
};

}  // namespace kelmar::sim
