#include "synthetic_record.h"

#include <algorithm>
#include <array>

#include "record/career_record.h"

namespace kelmar::testing {

namespace {

// Names of the shipped roster, each with its reading in romaji.txt.
const std::array<const char*, 12> kOpponents = {"霧昇", "千代雷", "鯨丸", "錦灘", "鳳雅",   "豊雲",
                                                "青嵐", "栃波",   "若楓", "琴浦", "朝霧山", "荒鷹"};

int RankOfSlot(int slot) {
    return slot <= 2 ? 1 : slot <= 4 ? 2 : slot <= 6 ? 3 : slot <= 8 ? 4 : 5;
}

}  // namespace

void RecordSyntheticCareer(CareerRecord& record, const std::string& shikona, int basho,
                           uint32_t seed, bool retire) {
    uint32_t x = seed * 2654435761u + 1;
    const auto draw = [&x](uint32_t n) {
        x = x * 1103515245u + 12345u;
        return static_cast<int>((x >> 16) % n);
    };
    record.NewGame();
    int slot = 30;
    int careerWins = 0;
    int careerLosses = 0;
    bool crowned = false;
    for (int b = 0; b < basho; ++b) {
        BashoStart start;
        start.nengo = 2020 + (b + 1) / 6;
        start.month = 2 * ((b + 1) % 6) + 1;
        start.slot = slot;
        start.rank = RankOfSlot(slot);
        start.shikona = shikona;
        start.crowned = crowned;
        record.BeginBasho(start);
        // Stronger in the first half of the career than in the second.
        const int wins = std::clamp(draw(9) + (2 * b < basho ? 5 : 3), 0, 15);
        for (int day = 1; day <= 15; ++day) {
            BoutEntry bout;
            bout.day = day;
            bout.opponent = kOpponents[static_cast<size_t>(draw(kOpponents.size()))];
            bout.opponentSlot = 1 + draw(32);
            bout.opponentRank = RankOfSlot(bout.opponentSlot);
            bout.won = day <= wins;
            bout.tactic = 1 + draw(3);
            bout.opponentTactic = 1 + draw(3);
            record.AddBout(bout);
        }
        careerWins += wins;
        careerLosses += 15 - wins;
        record.EndBasho(BashoEnd{careerWins, careerLosses, 100 * b + careerWins});
        crowned = wins >= 13 && slot <= 6;
        slot = std::clamp(slot - (wins - 7) * 2 + (draw(3) - 1), 1, 32);
    }
    if (retire)
        record.Retire(100 * basho);
}

}  // namespace kelmar::testing
