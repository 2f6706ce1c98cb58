// The basho line gathered in pieces on the stack and appended to the run's
// buffer a kilobyte at a time: a line has some five hundred keys, figures and
// names, and an append of the string for each was most of the writer's work.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kelmar::sim {

// The longest figures: "-9223372036854775808", and "-2147483648" for the
// figures of the game's state.
inline constexpr size_t kLongestFigure = 20;
inline constexpr size_t kLongestInt32Figure = 11;

// The figures below a thousand as text: their digits, then the count of the
// digits in the fourth byte. Most figures of a line are such: a rikishi's
// career wins and losses, and the rest below a hundred.
struct SmallFigure {
    std::array<char, 3> digits;
    uint8_t length;
};
static_assert(sizeof(SmallFigure) == 4);
inline constexpr auto kSmallFigures = [] {
    std::array<SmallFigure, 1000> figures{};
    for (size_t value = 0; value < figures.size(); ++value) {
        SmallFigure& figure = figures[value];
        figure.length = value >= 100 ? 3 : value >= 10 ? 2 : 1;
        for (size_t k = figure.length, rest = value; k-- > 0; rest /= 10)
            figure.digits[k] = static_cast<char>('0' + rest % 10);
    }
    return figures;
}();

inline char* PutLongFigure(char* at, int64_t value) {
    return std::to_chars(at, at + kLongestFigure, value).ptr;
}

// The figure written at `at`, which has room for the longest; returns its
// end. A small figure is copied whole, its count too: the bytes after its
// end are the room's, to be written over.
inline char* PutFigure(char* at, int64_t value) {
    if (static_cast<uint64_t>(value) >= kSmallFigures.size())
        return PutLongFigure(at, value);
    const SmallFigure& figure = kSmallFigures[static_cast<size_t>(value)];
    std::memcpy(at, &figure, sizeof figure);
    return at + figure.length;
}

class LinePieces {
  public:
    explicit LinePieces(std::string& out) : out_(out) {}
    LinePieces(const LinePieces&) = delete;
    LinePieces& operator=(const LinePieces&) = delete;

    // A fixed piece of the line: a key with its punctuation.
    template <size_t N>
    void Put(const char (&text)[N]) {
        static_assert(N - 1 <= sizeof buffer_);
        if (N - 1 > Room())
            Flush();
        std::memcpy(end_, text, N - 1);
        end_ += N - 1;
    }
    void Put(std::string_view text) {
        if (text.size() > Room()) {
            Flush();
            if (text.size() > Room()) {
                out_ += text;
                return;
            }
        }
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }
    void Put(char c) {
        if (Room() == 0)
            Flush();
        *end_++ = c;
    }
    // A key and its figure.
    template <size_t N>
    void Field(const char (&key)[N], int64_t value) {
        char* at = Reserve<N - 1 + kLongestFigure>();
        std::memcpy(at, key, N - 1);
        Commit(PutFigure(at + N - 1, value));
    }

    // Room for a run of pieces of at most `length` bytes, written from the
    // pointer returned and ended by Commit: one look at the room for all.
    template <size_t length>
    char* Reserve() {
        static_assert(length <= sizeof buffer_);
        if (length > Room())
            Flush();
        return end_;
    }
    void Commit(char* end) { end_ = end; }

    void Flush() {
        out_.append(buffer_, end_);
        end_ = buffer_;
    }

  private:
    size_t Room() const { return static_cast<size_t>(buffer_ + sizeof buffer_ - end_); }

    std::string& out_;
    char buffer_[1 << 10];
    char* end_ = buffer_;
};

}  // namespace kelmar::sim
