#include "tools/sim/basho_line.h"

#include <charconv>
#include <cstring>

namespace kelmar::sim {

// The line gathered in pieces on the stack and appended to the run's buffer a
// kilobyte at a time: a line has some five hundred keys, figures and names,
// and an append of the string for each was most of the writer's work.
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
    // A key and its figure, with one look at the room left for both.
    template <size_t N>
    void Field(const char (&key)[N], int64_t value) {
        static_assert(N - 1 + kLongestNumber <= sizeof buffer_);
        if (Room() < N - 1 + kLongestNumber)
            Flush();
        std::memcpy(end_, key, N - 1);
        end_ += N - 1;
        // Most figures of a slot are below 100.
        if (value >= 0 && value < 100) {
            if (value >= 10)
                *end_++ = static_cast<char>('0' + value / 10);
            *end_++ = static_cast<char>('0' + value % 10);
            return;
        }
        end_ = std::to_chars(end_, end_ + kLongestNumber, value).ptr;
    }
    void Flush() {
        out_.append(buffer_, end_);
        end_ = buffer_;
    }

  private:
    static constexpr size_t kLongestNumber = 20;  // "-9223372036854775808"

    size_t Room() const { return static_cast<size_t>(buffer_ + sizeof buffer_ - end_); }

    std::string& out_;
    char buffer_[1 << 10];
    char* end_ = buffer_;
};

void BashoLineWriter::AppendText(std::string_view sjis, LinePieces& out) {
    // The rank codes: one digit, the same in both encodings.
    if (sjis.size() == 1 && sjis[0] >= '0' && sjis[0] <= '9') {
        const char quoted[] = {'"', sjis[0], '"'};
        out.Put(std::string_view(quoted, sizeof quoted));
        return;
    }
    out.Put('"');
    out.Put(texts_.Escaped(sjis));
    out.Put('"');
}

void BashoLineWriter::AppendName(const std::string& sjis, KnownName& known, LinePieces& out) {
    if (sjis != known.sjis) {
        known.sjis = sjis;
        known.escaped = texts_.Escaped(sjis);
    }
    out.Put('"');
    out.Put(known.escaped);
    out.Put('"');
}

void BashoLineWriter::AppendSlot(const GameState& s, int i, LinePieces& out) {
    out.Put("{\"name\":");
    AppendName(s.NameOfWres[i], slotNames_[static_cast<size_t>(i - 1)], out);
    out.Put(",\"stage\":");
    AppendText(s.Stage[i], out);
    out.Put(",\"saiko\":");
    AppendText(s.Saiko[i], out);
    out.Field(",\"age\":", s.Age[i]);
    out.Field(",\"pw\":", s.Pw[i]);
    out.Field(",\"sp\":", s.Sp[i]);
    out.Field(",\"tc\":", s.Tc[i]);
    out.Field(",\"e\":", s.E[i]);
    out.Field(",\"lb\":", s.LB[i]);
    out.Field(",\"l\":", s.L[i]);
    out.Field(",\"w\":", s.W[i]);
    out.Field(",\"pnt\":", s.Pnt[i]);
    out.Field(",\"zaii\":", s.Zaii[i]);
    out.Field(",\"yusyo\":", s.Yusyo[i]);
    out.Field(",\"twin\":", s.Twin[i]);
    out.Field(",\"tlose\":", s.Tlose[i]);
    out.Put('}');
}

void BashoLineWriter::AppendReport(const std::optional<ReportLines>& report, LinePieces& out) {
    if (!report) {
        out.Put("null");
        return;
    }
    out.Put('[');
    AppendText(report->Label3, out);
    out.Put(',');
    AppendText(report->Label1, out);
    out.Put(',');
    AppendText(report->Label2, out);
    out.Put(',');
    AppendText(report->Label4, out);
    out.Put(']');
}

void BashoLineWriter::Append(const LeagueRun& run, std::optional<int64_t> runNumber,
                             std::string& text) {
    const GameState& s = run.state();
    LinePieces out(text);
    if (runNumber) {
        out.Field("{\"run\":", *runNumber);
        out.Field(",\"basho\":", run.calls());
    } else {
        out.Field("{\"basho\":", run.calls());
    }
    out.Field(",\"nengo\":", s.Nengo);
    out.Field(",\"basyo6\":", s.Basyo6);
    out.Field(",\"day\":", s.Torikumiday);
    out.Field(",\"myp\":", s.MyP);
    out.Field(",\"underdog\":", s.UnderdogBonus);
    out.Field(",\"leader\":", s.LeaderPenalty);
    out.Field(",\"lastwin\":", s.LastWin);
    out.Field(",\"omake\":", s.Omake);
    out.Field(",\"player\":", s.PlayerIndex);
    if (run.retired())
        out.Put(",\"retired\":true,\"paper\":");
    else
        out.Put(",\"retired\":false,\"paper\":");
    // The page is the one text of the line that seldom repeats whole.
    out.Flush();
    texts_.AppendPage(run.paper(), text);
    out.Put(",\"report\":");
    AppendReport(run.careerReport(), out);
    out.Put(",\"slots\":[");
    for (int i = 1; i <= kSlots; ++i) {
        if (i > 1)
            out.Put(',');
        AppendSlot(s, i, out);
    }
    out.Put("],\"juryo\":[");
    for (int k = 1; k <= kJuryo; ++k) {
        if (k > 1)
            out.Put(',');
        AppendName(s.Juryo[k], juryoNames_[static_cast<size_t>(k - 1)], out);
    }
    out.Field("],\"rng\":", s.Rng.state);
    out.Put("}\n");
    out.Flush();
}

}  // namespace kelmar::sim
