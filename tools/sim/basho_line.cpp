#include "tools/sim/basho_line.h"

#include "state/encoding.h"

namespace kelmar::sim {

namespace {

using Json = nlohmann::ordered_json;

Json Slot(const GameState& s, int i) {
    Json slot;
    slot["name"] = ShiftJisToUtf8(s.NameOfWres[i]);
    slot["stage"] = ShiftJisToUtf8(s.Stage[i]);
    slot["saiko"] = ShiftJisToUtf8(s.Saiko[i]);
    slot["age"] = s.Age[i];
    slot["pw"] = s.Pw[i];
    slot["sp"] = s.Sp[i];
    slot["tc"] = s.Tc[i];
    slot["e"] = s.E[i];
    slot["lb"] = s.LB[i];
    slot["l"] = s.L[i];
    slot["w"] = s.W[i];
    slot["pnt"] = s.Pnt[i];
    slot["zaii"] = s.Zaii[i];
    slot["yusyo"] = s.Yusyo[i];
    slot["twin"] = s.Twin[i];
    slot["tlose"] = s.Tlose[i];
    return slot;
}

Json Report(const std::optional<ReportLines>& report) {
    if (!report)
        return nullptr;
    return Json::array({ShiftJisToUtf8(report->Label3), ShiftJisToUtf8(report->Label1),
                        ShiftJisToUtf8(report->Label2), ShiftJisToUtf8(report->Label4)});
}

}  // namespace

Json BashoLine(const LeagueRun& run) {
    const GameState& s = run.state();
    Json line;
    line["basho"] = run.calls();
    line["nengo"] = s.Nengo;
    line["basyo6"] = s.Basyo6;
    line["day"] = s.Torikumiday;
    line["myp"] = s.MyP;
    line["underdog"] = s.UnderdogBonus;
    line["leader"] = s.LeaderPenalty;
    line["lastwin"] = s.LastWin;
    line["omake"] = s.Omake;
    line["player"] = s.PlayerIndex;
    line["retired"] = run.retired();
    line["paper"] = ShiftJisToUtf8(run.paper());
    line["report"] = Report(run.careerReport());
    Json& slots = line["slots"] = Json::array();
    for (int i = 1; i <= kSlots; ++i) slots.push_back(Slot(s, i));
    Json& juryo = line["juryo"] = Json::array();
    for (int k = 1; k <= kJuryo; ++k) juryo.push_back(ShiftJisToUtf8(s.Juryo[k]));
    line["rng"] = s.Rng.state;
    return line;
}

std::string BashoLineText(const LeagueRun& run) {
    // The conversion yields valid UTF-8 only; replacing stays a safeguard.
    return BashoLine(run).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace kelmar::sim
