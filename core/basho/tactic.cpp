#include "basho/procedures.h"
#include "basho/report_wordings.h"
#include "basho/reports.h"
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
int32_t NamedBestRank(const std::string& saiko) {
    const int32_t code = StrToInt(saiko);
    return code >= 1 && code <= 4 ? code : 0;
}

int32_t WinRate(const GameState& s, int slot) {
    const double rate =
        static_cast<double>(s.Twin[slot]) * 100.0 / static_cast<double>(CareerBouts(s, slot));
    return RoundHalfEven(rate);
}

Speciality SpecialityOf(const GameState& s, int slot) {
    if (s.Tc[slot] >= 4)
        return Speciality::Uwatenage;
    if (s.Sp[slot] >= 4)
        return Speciality::Henka;
    if (s.Pw[slot] >= 4)
        return Speciality::TsukiOshi;
    return Speciality::None;
}

}  // namespace

int64_t CareerBouts(const GameState& s, int slot) {
    const int64_t bouts = int64_t{s.Twin[slot]} + s.Tlose[slot];
    if (bouts == 0)
        throw RangeError(
            MessageWords{wd<"Twin[{slot}] {wins} と Tlose[{slot}] {losses} では勝率が出せません">,
                         {{"slot", IntToStr(slot), {}, {}},
                          {"wins", IntToStr(s.Twin[slot]), {}, {}},
                          {"losses", IntToStr(s.Tlose[slot]), {}, {}}}});
    return bouts;
}

TacticQuestion TacticQuestionOf(const GameState& s, int slot) {
    return TacticQuestion{DisplayNameView(s.NameOfWres[slot]),
                          static_cast<int64_t>(s.Age[PlayerSide(s)]) - kPlayerAgeMark};
}

std::string TacticAgeLine(const TacticQuestion& question) {
    return Japanese(kAgeLine, {{"age", IntToStr(question.age)}});
}

// Each piece is taken in the order the lines were composed, so that a bad
// figure raises the error it always raised.
ReportPieces OpponentReportPieces(const GameState& s) {
    const int o = OpponentSide(s);
    ReportPieces pieces;
    pieces.record = s.Torikumiday >= 8;
    if (pieces.record) {
        pieces.wins = s.W[o];
        pieces.losses = static_cast<int64_t>(s.Torikumiday) - s.W[o] - 1;
    } else {
        pieces.speciality = SpecialityOf(s, o);
    }
    pieces.age = s.Age[o];
    pieces.bestRank = NamedBestRank(s.Saiko[o]);
    pieces.name = DisplayName(s.NameOfWres[o]);
    pieces.tenure = s.Zaii[o];
    // A newcomer's fourth line stays empty rather than showing the last report's.
    if (s.Zaii[o] > 1) {
        if (s.Yusyo[o] > 0)
            pieces.yusho = s.Yusyo[o];
        if (s.Twin[o] > 0)
            pieces.winRate = WinRate(s, o);
    }
    return pieces;
}

ReportPieces CareerReportPieces(const GameState& s, int p) {
    ReportPieces pieces;
    pieces.name = DisplayName(s.NameOfWres[p]);
    pieces.tenure = s.Zaii[p];
    pieces.retired = true;
    pieces.age = s.Age[p] % 100;
    pieces.bestRank = NamedBestRank(s.Saiko[p]);
    pieces.yusho = s.Yusyo[p];
    if (s.Twin[p] > 0)
        pieces.winRate = WinRate(s, p);
    return pieces;
}

ReportLines ReportLinesOf(const ReportPieces& p) {
    ReportLines lines;
    const std::string tenure = IntToStr(p.tenure);
    lines.Label3 =
        p.tenure > 10 ? Japanese(kNameWithTenure, {{"name", p.name}, {"tenure", tenure}}) : p.name;
    if (p.retired)
        lines.Label1 = Japanese(kRetires, {});
    else if (p.record)
        lines.Label1 =
            Japanese(kRecord, {{"wins", IntToStr(p.wins)}, {"losses", IntToStr(p.losses)}});
    else
        lines.Label1 =
            Japanese(kSpecialityLine, {{"technique", SpecialityWord(p.speciality).japanese}});
    const std::string age = IntToStr(p.age);
    lines.Label2 = p.bestRank != 0
                       ? Japanese(kAgeAndBestRank, {{"age", age}, {"rank", RankWord(p.bestRank)}})
                       : Japanese(kAge, {{"age", age}});
    const std::string yusho = p.yusho ? IntToStr(*p.yusho) : "";
    const std::string rate = p.winRate ? IntToStr(*p.winRate) : "";
    if (const Wording* fourth = FourthLine(p))
        lines.Label4 = Japanese(*fourth, {{"yusho", yusho}, {"rate", rate}});
    return lines;
}

ReportLines ComposeOpponentReport(const GameState& s) {
    return ReportLinesOf(OpponentReportPieces(s));
}

void OpenOpponentReport(GameState& s, Frontend& frontend) {
    frontend.ShowOpponentReport(ComposeOpponentReport(s));
}

ReportLines ComposeCareerReport(const GameState& s, int p) {
    return ReportLinesOf(CareerReportPieces(s, p));
}

}  // namespace kelmar
