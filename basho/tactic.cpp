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
    return "  最高位:"_sj + std::string(RankWord(code));
}

std::string NameWithTenure(const GameState& s, int slot) {
    std::string text = DisplayName(s.NameOfWres[slot]);
    if (s.Zaii[slot] > 10)
        text += "-幕内在位"_sj + IntToStr(s.Zaii[slot]) + "場所"_sj;
    return text;
}

std::string WinRateText(const GameState& s, int slot) {
    const double rate =
        static_cast<double>(s.Twin[slot]) * 100.0 / static_cast<double>(CareerBouts(s, slot));
    return "勝率  : "_sj + IntToStr(RoundHalfEven(rate)) + "%";
}

std::string Speciality(const GameState& s, int slot) {
    if (s.Tc[slot] >= 4)
        return "上手投げ"_sj;
    if (s.Sp[slot] >= 4)
        return "変化わざ"_sj;
    if (s.Pw[slot] >= 4)
        return "突き押し"_sj;
    return "";
}

}  // namespace

int64_t CareerBouts(const GameState& s, int slot) {
    const int64_t bouts = int64_t{s.Twin[slot]} + s.Tlose[slot];
    if (bouts == 0)
        throw RangeError("Twin[" + IntToStr(slot) + "] " + IntToStr(s.Twin[slot]) +
                         " と Tlose["_sj + IntToStr(slot) + "] " + IntToStr(s.Tlose[slot]) +
                         " では勝率が出せません"_sj);
    return bouts;
}

TacticQuestion TacticQuestionOf(const GameState& s, int slot) {
    return TacticQuestion{DisplayNameView(s.NameOfWres[slot]),
                          static_cast<int64_t>(s.Age[PlayerSide(s)]) - kPlayerAgeMark};
}

std::string TacticAgeLine(const TacticQuestion& question) {
    return "年齢: "_sj + IntToStr(question.age) + "歳"_sj;
}

ReportLines ComposeOpponentReport(const GameState& s) {
    const int o = OpponentSide(s);
    ReportLines lines;
    if (s.Torikumiday < 8) {
        lines.Label1 = "得意技:"_sj + Speciality(s, o);
    } else {
        const int64_t losses = static_cast<int64_t>(s.Torikumiday) - s.W[o] - 1;
        lines.Label1 = "勝 敗："_sj + IntToStr(s.W[o]) + "勝"_sj + IntToStr(losses) + "敗"_sj;
    }
    lines.Label2 = "年齢  :"_sj + IntToStr(s.Age[o]) + BestRankText(s.Saiko[o]);
    lines.Label3 = NameWithTenure(s, o);
    // A newcomer's fourth line stays empty rather than showing the last report's.
    if (s.Zaii[o] > 1) {
        if (s.Yusyo[o] > 0)
            lines.Label4 = "優勝回数; "_sj + IntToStr(s.Yusyo[o]) + "  ";
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
    lines.Label1 = "力尽きて引退です｡"_sj;
    lines.Label2 = "年齢  :"_sj + IntToStr(s.Age[p] % 100) + BestRankText(s.Saiko[p]);
    lines.Label4 = "優勝回数; "_sj + IntToStr(s.Yusyo[p]) + "  ";
    if (s.Twin[p] > 0)
        lines.Label4 += WinRateText(s, p);
    return lines;
}

}  // namespace kelmar
