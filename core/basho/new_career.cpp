#include "basho/new_career.h"

#include "basho/procedures.h"
#include "state/roster.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

std::vector<std::string> NewGame(GameState& s, LeagueFiles& files) {
    s.MyP = 0;
    s.Zaii[kPlayerEntrySlot] = 0;
    s.Yusyo[kPlayerEntrySlot] = 0;
    std::vector<std::string> names = files.LoadJuryoNames(s);
    s.RosterLoaded = 0;
    return names;
}

void PickJuryo(GameState& s, int k, Clock& clock) {
    constexpr int32_t kAgeBonus[] = {0, 0, 0, 2, 3, 4};
    const int p = kPlayerEntrySlot;
    s.NameOfWres[p] = s.Juryo[k];
    s.PlayersWres = s.Juryo[k];
    s.Rng.Reseed(clock);
    const int32_t r = s.Rng.Draw(6);
    s.Age[p] = 120 + r;
    s.E[p] = s.Omake + kAgeBonus[r];
    s.Pw[p] = 1 + s.Rng.Draw(8);
    s.Sp[p] = 1 + s.Rng.Draw(9 - s.Pw[p]);
    s.Tc[p] = 10 - s.Pw[p] - s.Sp[p];
    s.LB[p] = 0;
    s.L[p] = 0;
    s.Stage[p] = "5";
}

void CompleteLeague(GameState& s, LeagueFiles& files) {
    if (s.BashoRunning)
        throw GameError(wd<"場所の最中に次の場所は始められません">);
    if (s.RosterLoaded == 0) {
        files.LoadMatchTable(s);
        files.LoadRoster(s);
        s.UnderdogBonus = 10;
        s.LeaderPenalty = 20;
        s.Nengo = 2020;
        for (int i = 1; i <= kSlots; ++i) {
            s.W[i] = 8;
            s.Pnt[i] = 0;
            s.Saiko[i] = "6";
            s.Twin[i] = 0;
            s.Tlose[i] = 0;
        }
    }
}

void ConfirmCareer(GameState& s, Frontend& frontend, Clock& clock, LeagueFiles& files) {
    CompleteLeague(s, files);
    RunBasho(s, frontend, clock, files);
}

}  // namespace kelmar
