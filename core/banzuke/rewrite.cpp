// The new banzuke: the records sorted by banzuke points, then the sekiwake,
// komusubi and maegashira ranks handed out by position.
#include "banzuke/procedures.h"
#include "state/checked_sum.h"

namespace kelmar {
namespace {

// Selection by strictly greater points: equal points never move a record up,
// but an exchange may carry one past others with the same points. That order
// among equals is part of the game and must stay as it is.
void SortByPoints(GameState& s) {
    for (int p = 1; p < kSlots; ++p) {
        int candidate = 0;
        int32_t best = s.Pnt[p];
        for (int q = p + 1; q <= kSlots; ++q) {
            // Chosen without a branch: points go up and down at random.
            const int32_t points = s.Pnt[q];
            const bool higher = points > best;
            best = higher ? points : best;
            candidate = higher ? q : candidate;
        }
        if (candidate != 0)
            ExchangeRecords(s, p, candidate);  // the whole record moves
    }
}

// Yokozuna and ozeki keep their codes down to the first record that is
// neither; from there two sekiwake, two komusubi and maegashira by position.
// A league of 29 or more yokozuna and ozeki simply runs out of slots.
void HandOutRanks(GameState& s) {
    int f = 1;
    while (f <= kSlots && s.Stage[f] < "3") ++f;
    for (int p = f; p <= kSlots; ++p) {
        const int place = p - f;
        // One character assigned, not a literal: GCC 12 sees a false overlap
        // in the inlined copy of a literal (-Wrestrict).
        s.Stage[p].assign(1, place < 2 ? '3' : place < 4 ? '4' : '5');
    }
}

}  // namespace

void RewriteBanzuke(GameState& state) {
    SortByPoints(state);
    HandOutRanks(state);
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.Zaii[slot] = CheckedSum(state.Zaii[slot], 1, "Zaii", slot);
        if (state.IsPlayerSlot(slot))
            state.PlayerIndex = slot;
    }
}

}  // namespace kelmar
