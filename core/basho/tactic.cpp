#include "basho/procedures.h"
#include "state/rank.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

namespace {

// The player's side of the bout being fought: east if he is east.
int PlayerSide(const GameState& s) {
    return s.IsPlayerSlot(s.EastSlot) ? s.EastSlot : s.WestSlot;
}
int OpponentSide(const GameState& s) {
    return s.IsPlayerSlot(s.EastSlot) ? s.WestSlot : s.EastSlot;
}

// Maegashira is no best rank worth naming.
std::string BestRankText(const std::string& saiko) {
    const int32_t code = StrToInt(saiko);
    if (code < 1 || code > 4)
        return "";
    return sj<"  最高位:"> + std::string(RankWord(code));
}

std::string NameWithTenure(const GameState& s, int slot) {
    std::string text = DisplayName(s.NameOfWres[slot]);
    if (s.Zaii[slot] > 10)
        text += sj<"-幕内在位"> + IntToStr(s.Zaii[slot]) + sj<"場所">;
    return text;
}

std::string WinRateText(const GameState& s, int slot) {
    const double rate =
        static_cast<double>(s.Twin[slot]) * 100.0 / static_cast<double>(CareerBouts(s, slot));
    return sj<"勝率  : "> + IntToStr(RoundHalfEven(rate)) + "%";
}

std::string Speciality(const GameState& s, int slot) {
    if (s.Tc[slot] >= 4)
        return sj<"上手投げ">;
    if (s.Sp[slot] >= 4)
        return sj<"変化わざ">;
    if (s.Pw[slot] >= 4)
        return sj<"突き押し">;
    return "";
}

}  // namespace

int64_t CareerBouts(const GameState& s, int slot) {
    const int64_t bouts = int64_t{s.Twin[slot]} + s.Tlose[slot];
    if (bouts == 0)
        throw RangeError("Twin[" + IntToStr(slot) + "] " + IntToStr(s.Twin[slot]) +
                         sj<" と Tlose["> + IntToStr(slot) + "] " + IntToStr(s.Tlose[slot]) +
                         sj<" では勝率が出せません">);
    return bouts;
}

TacticQuestion TacticQuestionOf(const GameState& s, int slot) {
    return TacticQuestion{DisplayNameView(s.NameOfWres[slot]),
                          static_cast<int64_t>(s.Age[PlayerSide(s)]) - kPlayerAgeMark};
}

std::string TacticAgeLine(const TacticQuestion& question) {
    return sj<"年齢: "> + IntToStr(question.age) + sj<"歳">;
}

ReportLines ComposeOpponentReport(const GameState& s) {
    const int o = OpponentSide(s);
    ReportLines lines;
    if (s.Torikumiday < 8) {
        lines.Label1 = sj<"得意技:"> + Speciality(s, o);
    } else {
        const int64_t losses = static_cast<int64_t>(s.Torikumiday) - s.W[o] - 1;
        lines.Label1 = sj<"勝 敗："> + IntToStr(s.W[o]) + sj<"勝"> + IntToStr(losses) + sj<"敗">;
    }
    lines.Label2 = sj<"年齢  :"> + IntToStr(s.Age[o]) + BestRankText(s.Saiko[o]);
    lines.Label3 = NameWithTenure(s, o);
    // A newcomer's fourth line stays empty rather than showing the last report's.
    if (s.Zaii[o] > 1) {
        if (s.Yusyo[o] > 0)
            lines.Label4 = sj<"優勝回数; "> + IntToStr(s.Yusyo[o]) + "  ";
        if (s.Twin[o] > 0)
            lines.Label4 += WinRateText(s, o);
    }
    return lines;
}

void OpenOpponentReport(GameState& s, Frontend& frontend) {
    frontend.ShowOpponentReport(ComposeOpponentReport(s));
}

ReportLines ComposeCareerReport(const GameState& s, int p) {
    ReportLines lines;
    lines.Label3 = NameWithTenure(s, p);
    lines.Label1 = sj<"力尽きて引退です｡">;
    lines.Label2 = sj<"年齢  :"> + IntToStr(s.Age[p] % 100) + BestRankText(s.Saiko[p]);
    lines.Label4 = sj<"優勝回数; "> + IntToStr(s.Yusyo[p]) + "  ";
    if (s.Twin[p] > 0)
        lines.Label4 += WinRateText(s, p);
    return lines;
}

}  // namespace kelmar
