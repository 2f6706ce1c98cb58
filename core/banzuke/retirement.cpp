// A rikishi leaves the league: his slot is filled at once by a newcomer from
// the juryo list, or, for the player's rikishi, his career ends.
#include "banzuke/procedures.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {
namespace {

bool CanReplace(const GameState& s, const std::string& name, const std::string& leaving) {
    return name != s.PlayersWres && name != leaving;
}

// The juryo entry that supplies the newcomer. The list must hold a name that
// is neither the player's nor the leaver's, or the draw would never end.
int DrawJuryoEntry(GameState& s, int slot) {
    const std::string& leaving = s.NameOfWres[slot];
    bool any = false;
    for (int k = 1; k <= kJuryo && !any; ++k) any = CanReplace(s, s.Juryo[k], leaving);
    if (!any)
        throw RangeError(wd<"十両に入れ替えられる力士がいません">);
    int k = 0;
    do {
        k = s.Rng.Draw(kJuryo) + 1;
    } while (!CanReplace(s, s.Juryo[k], leaving));
    return k;
}

// Age, then the three abilities, which always add up to 10.
void DrawNewcomer(GameState& s, int slot) {
    s.Age[slot] = 20 + s.Rng.Draw(6);
    s.Pw[slot] = 1 + s.Rng.Draw(8);
    s.Sp[slot] = 1 + s.Rng.Draw(9 - s.Pw[slot]);
    s.Tc[slot] = 10 - s.Pw[slot] - s.Sp[slot];
}

void ResetRecord(GameState& s, int slot) {
    s.Pnt[slot] = 6;
    s.E[slot] = 0;
    s.LB[slot] = 0;
    s.L[slot] = 0;
    s.W[slot] = 0;
    s.Stage[slot] = "5";
    s.Saiko[slot] = "6";
    s.Zaii[slot] = 0;
    s.Yusyo[slot] = 0;
    s.Twin[slot] = 0;
    s.Tlose[slot] = 0;
}

}  // namespace

void RetireAndReplace(GameState& state, int slot, Clock& clock) {
    if (state.IsPlayerSlot(slot)) {
        state.PlayerRetired = 1;
        state.PlayerIndex = slot;
        return;
    }
    state.Rng.Reseed(clock);
    const int k = DrawJuryoEntry(state, slot);
    std::string leaving = std::move(state.NameOfWres[slot]);
    state.NameOfWres[slot] = std::move(state.Juryo[k]);
    state.Juryo[k] = leaving;
    // A maegashira drops to juryo; anyone higher retires.
    std::string& list = state.Stage[slot] == "5" ? state.JuryoDropList : state.Intai;
    list += sj<"、"> + DisplayName(leaving);
    DrawNewcomer(state, slot);
    ResetRecord(state, slot);
}

}  // namespace kelmar
