// The assessment between two basho: calendar, ageing, banzuke points,
// promotions, the ozeki's kadoban, forced departures and experience.
#include <algorithm>

#include "banzuke/procedures.h"
#include "state/checked_sum.h"
#include "state/strings.h"

namespace kelmar {
namespace {

// Promotion needs this many wins over three basho, the current one included.
constexpr int64_t kOzekiRunWins = 31;
constexpr int64_t kYokozunaRunWins = 33;

// The win bands of a rank row. A basho of 0 wins belongs to none of them.
bool Losing(int32_t w) {
    return w >= 1 && w <= 7;
}
bool Winning(int32_t w) {
    return w >= 8 && w <= 10;
}
bool Strong(int32_t w) {
    return w >= 11 && w <= 15;
}

void AddE(GameState& s, int slot, int32_t delta) {
    s.E[slot] = CheckedSum(s.E[slot], delta, "E", slot);
}
void AddPnt(GameState& s, int slot, int32_t delta) {
    s.Pnt[slot] = CheckedSum(s.Pnt[slot], delta, "Pnt", slot);
}
void SetPnt(GameState& s, int slot, int32_t bonus) {
    s.Pnt[slot] = CheckedSum(s.W[slot], bonus, "W", slot);
}

int64_t ThreeBashoWins(const GameState& s, int slot) {
    return int64_t{s.W[slot]} + s.L[slot] + s.LB[slot];
}

// After a retirement the rest of a row applies to the newcomer in the slot,
// which is why every step below reads the slot afresh.
void AssessYokozuna(GameState& s, int slot, Clock& clock) {
    SetPnt(s, slot, 45);
    const int32_t w = s.W[slot];
    if (Losing(w))
        RetireAndReplace(s, slot, clock);
    else if (Winning(w))
        AddE(s, slot, 1);
    else if (Strong(w))
        AddE(s, slot, 2);
    s.E[slot] = std::clamp(s.E[slot], 30, 50);
}

void AssessOzeki(GameState& s, int slot, Clock& clock) {
    SetPnt(s, slot, 30);
    const int32_t w = s.W[slot];
    if (Losing(w)) {
        AddE(s, slot, -8);
        if (s.L[slot] < 8) {  // kadoban: the basho before was lost too
            if (s.Rng.Draw(2) == 0) {
                s.Stage[slot] = "3";
                s.Pnt[slot] = 31;
                s.Kanraku = s.NameOfWres[slot];
            } else {
                RetireAndReplace(s, slot, clock);
            }
        }
    } else if (Winning(w)) {
        AddE(s, slot, -1);
    } else if (Strong(w)) {
        if (ThreeBashoWins(s, slot) >= kYokozunaRunWins) {
            s.Stage[slot] = "1";
            AddE(s, slot, 10);
            AddPnt(s, slot, 6);
            s.Ysyoshin += DisplayName(s.NameOfWres[slot]);
        } else {
            AddE(s, slot, 2);
        }
    }
    if (s.E[slot] < 23)
        s.E[slot] = 23;
    s.LB[slot] = s.L[slot];
    s.L[slot] = s.W[slot];
}

void AssessSekiwake(GameState& s, int slot) {
    SetPnt(s, slot, 15);
    const int32_t w = s.W[slot];
    if (Losing(w)) {
        AddE(s, slot, -4);
        AddPnt(s, slot, -12);
    } else if (Strong(w)) {
        if (ThreeBashoWins(s, slot) >= kOzekiRunWins) {
            s.Stage[slot] = "2";
            AddPnt(s, slot, 6);
            AddE(s, slot, 20);
            s.L[slot] = 0;
            s.Osyoshin += DisplayName(s.NameOfWres[slot]);
        } else {
            AddE(s, slot, 2);
        }
    }
    if (s.E[slot] > 23)
        s.E[slot] = 23;
    s.LB[slot] = s.L[slot];
    s.L[slot] = s.W[slot];
}

void AssessKomusubi(GameState& s, int slot) {
    SetPnt(s, slot, 7);
    const int32_t w = s.W[slot];
    if (Losing(w)) {
        AddE(s, slot, -4);
        AddPnt(s, slot, -4);
    } else if (w >= 10 && w <= 15) {
        AddE(s, slot, 2);
    }
    s.LB[slot] = 0;
    s.L[slot] = s.W[slot];
}

void AssessMaegashira(GameState& s, int slot, Clock& clock) {
    if (slot <= 22) {
        SetPnt(s, slot, 2);
    } else if (slot <= 25) {
        SetPnt(s, slot, 1);
    } else {
        SetPnt(s, slot, 0);
        AddE(s, slot, 1);
    }
    const int32_t w = s.W[slot];
    if (Losing(w)) {
        if (slot >= 31)
            RetireAndReplace(s, slot, clock);  // drops out to juryo
        AddE(s, slot, -1);
    } else if (w >= 10 && w <= 15) {
        AddE(s, slot, 2);
    }
    if (s.E[slot] > 13)
        s.E[slot] = 13;
    s.LB[slot] = 0;
    s.L[slot] = s.W[slot];
}

void AssessRank(GameState& s, int slot, Clock& clock) {
    switch (StrToInt(s.Stage[slot])) {
        case 1:
            AssessYokozuna(s, slot, clock);
            break;
        case 2:
            AssessOzeki(s, slot, clock);
            break;
        case 3:
            AssessSekiwake(s, slot);
            break;
        case 4:
            AssessKomusubi(s, slot);
            break;
        case 5:
            AssessMaegashira(s, slot, clock);
            break;
        default:
            break;  // no rank row, only the common steps
    }
}

void CommonSteps(GameState& s, int slot) {
    if (s.IsPlayerSlot(slot) && s.Omake > 1)
        s.E[slot] = 16;  // practice level
    if (s.Saiko[slot] >= s.Stage[slot])
        s.Saiko[slot] = s.Stage[slot];
    if (s.E[slot] < 0 && s.Twin[slot] >= s.Tlose[slot])
        s.E[slot] = 0;
    // After every floor and ceiling, so an old rikishi can end below them.
    if (s.Age[slot] % 100 > 32)
        AddE(s, slot, -2);
}

}  // namespace

void AssessBasho(GameState& state, Clock& clock) {
    bool yearTurned = false;
    state.Basyo6 = CheckedSum(state.Basyo6, 1, "Basyo6", 0);
    if (state.Basyo6 > 5) {
        state.Basyo6 = 0;
        state.Nengo = CheckedSum(state.Nengo, 1, "Nengo", 0);
        yearTurned = true;
    }
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (yearTurned)
            state.Age[slot] = CheckedSum(state.Age[slot], 1, "Age", slot);
        AssessRank(state, slot, clock);
        CommonSteps(state, slot);
    }
}

}  // namespace kelmar
