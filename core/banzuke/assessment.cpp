// The assessment between two basho: calendar, ageing, banzuke points,
// promotions, the ozeki's kadoban, forced departures and experience.
#include <climits>
#include <iterator>

#include "banzuke/procedures.h"
#include "state/checked_sum.h"
#include "state/strings.h"

namespace kelmar {
namespace {

// Promotion needs this many wins over three basho, the current one included.
constexpr int64_t kOzekiRunWins = 31;
constexpr int64_t kYokozunaRunWins = 33;
// A maegashira with a losing basho in one of these slots drops out to juryo.
constexpr int kDropOutSlot = 31;

constexpr int32_t kNoFloor = INT32_MIN;
constexpr int32_t kNoCeiling = INT32_MAX;

// The numbers of a rank row. The win bands are 1..7 (losing), 8 up to the
// strong band (winning), and the strong band up to 15; a basho of 0 wins
// belongs to none of them. What a row does besides (a retirement, the
// kadoban, a promotion) is written out in the row's function below.
struct RankRow {
    int32_t points;      // Pnt := W + points (a maegashira's by his slot, below)
    int32_t losingE;     // the change of E in the losing band
    int32_t losingPnt;   // the change of Pnt in the losing band
    int32_t winningE;    // the change of E in the winning band
    int32_t strongFrom;  // the first win of the strong band
    int32_t strongE;     // the change of E in the strong band without a promotion
    int32_t eFloor;      // E is raised to this at the end of the row
    int32_t eCeiling;    // and lowered to this
};

// clang-format off
constexpr RankRow kRankRows[] = {
    // points  losing E, Pnt  winning E  strong from, E  E floor   E ceiling
    {  45,      0,   0,       1,        11,   2,       30,       50        },  // "1" yokozuna
    {  30,     -8,   0,      -1,        11,   2,       23,       kNoCeiling},  // "2" ozeki
    {  15,     -4, -12,       0,        11,   2,       kNoFloor, 23        },  // "3" sekiwake
    {   7,     -4,  -4,       0,        10,   2,       kNoFloor, kNoCeiling},  // "4" komusubi
    {   0,     -1,   0,       0,        10,   2,       kNoFloor, 13        },  // "5" maegashira
};
// A losing yokozuna retires instead of losing E; a losing ozeki whose basho
// before was lost too meets the kadoban; a losing maegashira in slot 31 or 32
// drops out first, and the newcomer takes the band's change.
// clang-format on

// A maegashira's banzuke points by his slot, and the E the lowest ones gain.
struct SlotBand {
    int lastSlot;
    int32_t points;  // Pnt := W + points
    int32_t e;       // the change of E
};
constexpr SlotBand kMaegashiraSlotBands[] = {{22, 2, 0}, {25, 1, 0}, {kSlots, 0, 1}};

enum class Band { None, Losing, Winning, Strong };

Band BandOf(const RankRow& row, int32_t w) {
    if (w >= 1 && w <= 7)
        return Band::Losing;
    if (w >= 8 && w < row.strongFrom)
        return Band::Winning;
    if (w >= row.strongFrom && w <= 15)
        return Band::Strong;
    return Band::None;
}

const RankRow& Row(int rank) {
    return kRankRows[rank - 1];
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
void BoundE(GameState& s, int slot, const RankRow& row) {
    if (s.E[slot] < row.eFloor)
        s.E[slot] = row.eFloor;
    if (s.E[slot] > row.eCeiling)
        s.E[slot] = row.eCeiling;
}

int64_t ThreeBashoWins(const GameState& s, int slot) {
    return int64_t{s.W[slot]} + s.L[slot] + s.LB[slot];
}

// The steps of a band besides a retirement, the kadoban or a promotion.
void BandSteps(GameState& s, int slot, const RankRow& row, Band band) {
    switch (band) {
        case Band::Losing:
            AddE(s, slot, row.losingE);
            AddPnt(s, slot, row.losingPnt);
            break;
        case Band::Winning:
            AddE(s, slot, row.winningE);
            break;
        case Band::Strong:
            AddE(s, slot, row.strongE);
            break;
        case Band::None:
            break;
    }
}

// After a retirement the rest of a row applies to the newcomer in the slot,
// which is why every step below reads the slot afresh; the band is that of
// the wins the row began with.
void AssessYokozuna(GameState& s, int slot, Clock& clock) {
    const RankRow& row = Row(1);
    SetPnt(s, slot, row.points);
    const Band band = BandOf(row, s.W[slot]);
    if (band == Band::Losing)
        RetireAndReplace(s, slot, clock);
    else
        BandSteps(s, slot, row, band);
    BoundE(s, slot, row);
}

void AssessOzeki(GameState& s, int slot, Clock& clock) {
    const RankRow& row = Row(2);
    SetPnt(s, slot, row.points);
    const Band band = BandOf(row, s.W[slot]);
    if (band == Band::Strong && ThreeBashoWins(s, slot) >= kYokozunaRunWins) {
        s.Stage[slot] = "1";
        AddE(s, slot, 10);
        AddPnt(s, slot, 6);
        s.Ysyoshin += DisplayName(s.NameOfWres[slot]);
    } else {
        BandSteps(s, slot, row, band);
    }
    if (band == Band::Losing && s.L[slot] < 8) {  // kadoban: the basho before was lost too
        if (s.Rng.Draw(2) == 0) {
            s.Stage[slot] = "3";
            s.Pnt[slot] = 31;
            s.Kanraku = s.NameOfWres[slot];
        } else {
            RetireAndReplace(s, slot, clock);
        }
    }
    BoundE(s, slot, row);
    s.LB[slot] = s.L[slot];
    s.L[slot] = s.W[slot];
}

void AssessSekiwake(GameState& s, int slot) {
    const RankRow& row = Row(3);
    SetPnt(s, slot, row.points);
    const Band band = BandOf(row, s.W[slot]);
    if (band == Band::Strong && ThreeBashoWins(s, slot) >= kOzekiRunWins) {
        s.Stage[slot] = "2";
        AddPnt(s, slot, 6);
        AddE(s, slot, 20);
        s.L[slot] = 0;
        s.Osyoshin += DisplayName(s.NameOfWres[slot]);
    } else {
        BandSteps(s, slot, row, band);
    }
    BoundE(s, slot, row);
    s.LB[slot] = s.L[slot];
    s.L[slot] = s.W[slot];
}

void AssessKomusubi(GameState& s, int slot) {
    const RankRow& row = Row(4);
    SetPnt(s, slot, row.points);
    BandSteps(s, slot, row, BandOf(row, s.W[slot]));
    BoundE(s, slot, row);
    s.LB[slot] = 0;
    s.L[slot] = s.W[slot];
}

void AssessMaegashira(GameState& s, int slot, Clock& clock) {
    const RankRow& row = Row(5);
    const SlotBand* bySlot = std::begin(kMaegashiraSlotBands);
    while (slot > bySlot->lastSlot && bySlot + 1 != std::end(kMaegashiraSlotBands)) ++bySlot;
    SetPnt(s, slot, row.points + bySlot->points);
    AddE(s, slot, bySlot->e);
    const Band band = BandOf(row, s.W[slot]);
    if (band == Band::Losing && slot >= kDropOutSlot)
        RetireAndReplace(s, slot, clock);  // the newcomer takes the losing band's E
    BandSteps(s, slot, row, band);
    BoundE(s, slot, row);
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

// The best rank keeps the lower of the two codes, compared as texts. Two
// one-byte codes, as they nearly always are, are compared and copied as
// their bytes.
void KeepBestRank(std::string& best, const std::string& rank) {
    if (best.size() == 1 && rank.size() == 1) {
        if (static_cast<unsigned char>(best[0]) >= static_cast<unsigned char>(rank[0]))
            best[0] = rank[0];
        return;
    }
    if (best >= rank)
        best = rank;
}

void CommonSteps(GameState& s, int slot) {
    if (s.IsPlayerSlot(slot) && s.Omake > 1)
        s.E[slot] = 16;  // practice level
    KeepBestRank(s.Saiko[slot], s.Stage[slot]);
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
