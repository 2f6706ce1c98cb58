#include "tools/sim/basho_line.h"

#include <charconv>

namespace kelmar::sim {

namespace {

// A fixed piece of the line: a key with its punctuation.
template <size_t N>
void Put(const char (&text)[N], std::string& out) {
    out.append(text, N - 1);
}

void AppendNumber(int64_t value, std::string& out) {
    // Most figures of a slot are below 100.
    if (value >= 0 && value < 10) {
        out += static_cast<char>('0' + value);
        return;
    }
    if (value >= 10 && value < 100) {
        const char digits[2] = {static_cast<char>('0' + value / 10),
                                static_cast<char>('0' + value % 10)};
        out.append(digits, 2);
        return;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

template <size_t N>
void AppendField(const char (&key)[N], int64_t value, std::string& out) {
    Put(key, out);
    AppendNumber(value, out);
}

}  // namespace

void BashoLineWriter::AppendSlot(const GameState& s, int i, std::string& out) {
    Put("{\"name\":", out);
    texts_.Append(s.NameOfWres[i], out);
    Put(",\"stage\":", out);
    texts_.Append(s.Stage[i], out);
    Put(",\"saiko\":", out);
    texts_.Append(s.Saiko[i], out);
    AppendField(",\"age\":", s.Age[i], out);
    AppendField(",\"pw\":", s.Pw[i], out);
    AppendField(",\"sp\":", s.Sp[i], out);
    AppendField(",\"tc\":", s.Tc[i], out);
    AppendField(",\"e\":", s.E[i], out);
    AppendField(",\"lb\":", s.LB[i], out);
    AppendField(",\"l\":", s.L[i], out);
    AppendField(",\"w\":", s.W[i], out);
    AppendField(",\"pnt\":", s.Pnt[i], out);
    AppendField(",\"zaii\":", s.Zaii[i], out);
    AppendField(",\"yusyo\":", s.Yusyo[i], out);
    AppendField(",\"twin\":", s.Twin[i], out);
    AppendField(",\"tlose\":", s.Tlose[i], out);
    out += '}';
}

void BashoLineWriter::AppendReport(const std::optional<ReportLines>& report, std::string& out) {
    if (!report) {
        out += "null";
        return;
    }
    out += '[';
    texts_.Append(report->Label3, out);
    out += ',';
    texts_.Append(report->Label1, out);
    out += ',';
    texts_.Append(report->Label2, out);
    out += ',';
    texts_.Append(report->Label4, out);
    out += ']';
}

void BashoLineWriter::Append(const LeagueRun& run, std::optional<int64_t> runNumber,
                             std::string& out) {
    const GameState& s = run.state();
    if (runNumber) {
        AppendField("{\"run\":", *runNumber, out);
        AppendField(",\"basho\":", run.calls(), out);
    } else {
        AppendField("{\"basho\":", run.calls(), out);
    }
    AppendField(",\"nengo\":", s.Nengo, out);
    AppendField(",\"basyo6\":", s.Basyo6, out);
    AppendField(",\"day\":", s.Torikumiday, out);
    AppendField(",\"myp\":", s.MyP, out);
    AppendField(",\"underdog\":", s.UnderdogBonus, out);
    AppendField(",\"leader\":", s.LeaderPenalty, out);
    AppendField(",\"lastwin\":", s.LastWin, out);
    AppendField(",\"omake\":", s.Omake, out);
    AppendField(",\"player\":", s.PlayerIndex, out);
    if (run.retired())
        Put(",\"retired\":true,\"paper\":", out);
    else
        Put(",\"retired\":false,\"paper\":", out);
    texts_.AppendPage(run.paper(), out);
    Put(",\"report\":", out);
    AppendReport(run.careerReport(), out);
    Put(",\"slots\":[", out);
    for (int i = 1; i <= kSlots; ++i) {
        if (i > 1)
            out += ',';
        AppendSlot(s, i, out);
    }
    Put("],\"juryo\":[", out);
    for (int k = 1; k <= kJuryo; ++k) {
        if (k > 1)
            out += ',';
        texts_.Append(s.Juryo[k], out);
    }
    AppendField("],\"rng\":", s.Rng.state, out);
    Put("}\n", out);
}

}  // namespace kelmar::sim
