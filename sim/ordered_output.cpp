#include "sim/ordered_output.h"

#include <stdexcept>

namespace kelmar::sim {

OrderedOutput::~OrderedOutput() {
    for (auto& [run, waiting] : waiting_)
        if (waiting.spill != nullptr)
            std::fclose(waiting.spill);
}

void OrderedOutput::WaitForTurn(int64_t run, int64_t window) {
    std::unique_lock lock(mutex_);
    turn_.wait(lock, [&] { return run < head_ + window || run > cut_; });
}

void OrderedOutput::WriteOut(const char* data, size_t size) {
    // A failed write leaves the stream's error flag set; the program checks
    // it at the end.
    std::fwrite(data, 1, size, out_);
}

void OrderedOutput::DrainSpill(Waiting& waiting) {
    if (waiting.spill == nullptr)
        return;
    std::rewind(waiting.spill);
    char block[1 << 16];
    for (size_t n; (n = std::fread(block, 1, sizeof block, waiting.spill)) > 0;) WriteOut(block, n);
    std::fclose(waiting.spill);
    waiting.spill = nullptr;
}

void OrderedOutput::Write(int64_t run, std::string& text) {
    if (text.empty())
        return;
    std::lock_guard lock(mutex_);
    if (run > cut_) {
        text.clear();  // after a failed run
        return;
    }
    if (run == head_) {
        WriteOut(text.data(), text.size());
    } else {
        Waiting& waiting = waiting_[run];
        if (waiting.spill == nullptr && (waiting.spill = std::tmpfile()) == nullptr)
            throw std::runtime_error("no temporary file for the output of a run");
        if (std::fwrite(text.data(), 1, text.size(), waiting.spill) != text.size())
            throw std::runtime_error("the output of a run could not be kept");
    }
    text.clear();
}

// The head moves past every finished run; a run that becomes the head first
// writes out what it kept, then writes straight through.
void OrderedOutput::Advance() {
    while (head_ <= cut_) {
        const auto found = waiting_.find(head_);
        if (found == waiting_.end())
            return;
        DrainSpill(found->second);
        if (!found->second.finished)
            return;
        waiting_.erase(found);
        ++head_;
        turn_.notify_all();
    }
}

void OrderedOutput::Finish(int64_t run, std::string& text) {
    Write(run, text);
    std::lock_guard lock(mutex_);
    if (run > cut_)
        return;
    waiting_[run].finished = true;
    Advance();
}

int64_t OrderedOutput::Fail(int64_t run, std::string& text) {
    Write(run, text);
    std::lock_guard lock(mutex_);
    if (run > cut_)
        return cut_;
    if (run < cut_) {
        cut_ = run;
        for (auto it = waiting_.upper_bound(cut_); it != waiting_.end(); it = waiting_.erase(it))
            if (it->second.spill != nullptr)
                std::fclose(it->second.spill);
    }
    waiting_[run].finished = true;
    Advance();
    turn_.notify_all();
    return cut_;
}

bool OrderedOutput::Dropped(int64_t run) {
    std::lock_guard lock(mutex_);
    return run > cut_;
}

}  // namespace kelmar::sim
