#include "sim/basho_line.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "sim/line_pieces.h"
#include "state/rank.h"

namespace kelmar::sim {

namespace {

// The figures of a slot in the order of the line, each with its key.
struct SlotFigure {
    std::string_view key;
    SlotArray<int32_t> GameState::*values;
};
constexpr SlotFigure kSlotFigures[] = {
    {",\"age\":", &GameState::Age},     {",\"pw\":", &GameState::Pw},
    {",\"sp\":", &GameState::Sp},       {",\"tc\":", &GameState::Tc},
    {",\"e\":", &GameState::E},         {",\"lb\":", &GameState::LB},
    {",\"l\":", &GameState::L},         {",\"w\":", &GameState::W},
    {",\"pnt\":", &GameState::Pnt},     {",\"zaii\":", &GameState::Zaii},
    {",\"yusyo\":", &GameState::Yusyo}, {",\"twin\":", &GameState::Twin},
    {",\"tlose\":", &GameState::Tlose},
};
// The figures of a slot and the brace that closes it, at their longest.
constexpr size_t kSlotFiguresLength = [] {
    size_t length = 1;
    for (const SlotFigure& figure : kSlotFigures) length += figure.key.size() + kLongestInt32Figure;
    return length;
}();

// The figures of a slot, each after its key. Written out figure by figure
// when the program is built, every key is a constant copied by a store or two.
template <size_t... F>
char* PutSlotFigures(char* at, const GameState& s, int i, std::index_sequence<F...>) {
    ((std::memcpy(at, kSlotFigures[F].key.data(), kSlotFigures[F].key.size()),
      at = PutFigure(at + kSlotFigures[F].key.size(), (s.*kSlotFigures[F].values)[i])),
     ...);
    return at;
}

// A slot's rank code and best rank when both are rank codes, as they are as
// a rule: they fill in a copy of their keys.
void PutRankCodes(char stage, char saiko, LinePieces& out) {
    static constexpr std::string_view kRanks = ",\"stage\":\"?\",\"saiko\":\"?\"";
    static constexpr size_t kStageAt = kRanks.find('?');
    static constexpr size_t kSaikoAt = kRanks.rfind('?');
    char* at = out.Reserve<kRanks.size()>();
    std::memcpy(at, kRanks.data(), kRanks.size());
    at[kStageAt] = stage;
    at[kSaikoAt] = saiko;
    out.Commit(at + kRanks.size());
}

}  // namespace

void BashoLineWriter::AppendText(std::string_view sjis, LinePieces& out) {
    if (RankCode(sjis) != 0) {
        char* at = out.Reserve<3>();
        at[0] = '"';
        at[1] = sjis[0];
        at[2] = '"';
        out.Commit(at + 3);
        return;
    }
    out.Put(texts_.Quoted(sjis));
}

void BashoLineWriter::AppendRanks(std::string_view stage, std::string_view saiko, LinePieces& out) {
    out.Put(",\"stage\":");
    AppendText(stage, out);
    out.Put(",\"saiko\":");
    AppendText(saiko, out);
}

void BashoLineWriter::AppendSlot(const GameState& s, int i, LinePieces& out) {
    out.Put("{\"name\":");
    out.Put(texts_.Quoted(s.NameOfWres[i], slotNames_[static_cast<size_t>(i - 1)]));
    const std::string& stage = s.Stage[i];
    const std::string& saiko = s.Saiko[i];
    if (RankCode(stage) != 0 && RankCode(saiko) != 0)
        PutRankCodes(stage[0], saiko[0], out);
    else
        AppendRanks(stage, saiko, out);
    char* at = out.Reserve<kSlotFiguresLength>();
    at = PutSlotFigures(at, s, i, std::make_index_sequence<std::size(kSlotFigures)>());
    *at++ = '}';
    out.Commit(at);
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
        out.Put(texts_.Quoted(s.Juryo[k], juryoNames_[static_cast<size_t>(k - 1)]));
    }
    out.Field("],\"rng\":", s.Rng.state);
    out.Put("}\n");
    out.Flush();
}

}  // namespace kelmar::sim
