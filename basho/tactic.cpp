#include "basho/procedures.h"
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

std::string BestRankText(const std::string& saiko) {
    switch (StrToInt(saiko)) {
        case 1:
            return "  最高位:横綱";
        case 2:
            return "  最高位:大関";
        case 3:
            return "  最高位:関脇";
        case 4:
            return "  最高位:小結";
        default:
            return "";
    }
}

std::string NameWithTenure(const GameState& s, int slot) {
    std::string text = DisplayName(s.NameOfWres[slot]);
    if (s.Zaii[slot] > 10)
        text += "-幕内在位" + IntToStr(s.Zaii[slot]) + "場所";
    return text;
}

std::string WinRateText(const GameState& s, int slot) {
    const double rate =
        static_cast<double>(s.Twin[slot]) * 100.0 / static_cast<double>(CareerBouts(s, slot));
    return "勝率  : " + IntToStr(RoundHalfEven(rate)) + "%";
}

std::string Speciality(const GameState& s, int slot) {
    if (s.Tc[slot] >= 4)
        return "上手投げ";
    if (s.Sp[slot] >= 4)
        return "変化わざ";
    if (s.Pw[slot] >= 4)
        return "突き押し";
    return "";
}

}  // namespace

int64_t CareerBouts(const GameState& s, int slot) {
    const int64_t bouts = int64_t{s.Twin[slot]} + s.Tlose[slot];
    if (bouts == 0)
        throw RangeError("Twin[" + IntToStr(slot) + "] " + IntToStr(s.Twin[slot]) + " と Tlose[" +
                         IntToStr(slot) + "] " + IntToStr(s.Tlose[slot]) + " では勝率が出せません");
    return bouts;
}

std::string TacticAgeLine(const GameState& s) {
    return "年齢: " + IntToStr(static_cast<int64_t>(s.Age[PlayerSide(s)]) - 100) + "歳";
}

ReportLines ComposeOpponentReport(const GameState& s) {
    const int o = OpponentSide(s);
    ReportLines lines;
    if (s.Torikumiday < 8) {
        lines.Label1 = "得意技:" + Speciality(s, o);
    } else {
        const int64_t losses = static_cast<int64_t>(s.Torikumiday) - s.W[o] - 1;
        lines.Label1 = "勝 敗：" + IntToStr(s.W[o]) + "勝" + IntToStr(losses) + "敗";
    }
    lines.Label2 = "年齢  :" + IntToStr(s.Age[o]) + BestRankText(s.Saiko[o]);
    lines.Label3 = NameWithTenure(s, o);
    // A newcomer's fourth line stays empty rather than showing the last report's.
    if (s.Zaii[o] > 1) {
        if (s.Yusyo[o] > 0)
            lines.Label4 = "優勝回数; " + IntToStr(s.Yusyo[o]) + "  ";
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
    lines.Label1 = "力尽きて引退です｡";
    lines.Label2 = "年齢  :" + IntToStr(s.Age[p] % 100) + BestRankText(s.Saiko[p]);
    lines.Label4 = "優勝回数; " + IntToStr(s.Yusyo[p]) + "  ";
    if (s.Twin[p] > 0)
        lines.Label4 += WinRateText(s, p);
    return lines;
}

}  // namespace kelmar
