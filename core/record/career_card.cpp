#include "record/career_card.h"

#include <algorithm>

#include "state/shift_jis_literal.h"

namespace kelmar {

namespace {

constexpr int kSlots = 32;

std::string Number(int32_t value) {
    return std::to_string(value);
}

std::string BashoName(int32_t nengo, int32_t month) {
    return Number(nengo) + std::string(sj<"年">) + Number(month) + std::string(sj<"月場所">);
}

std::string Record(int32_t wins, int32_t losses) {
    return Number(wins) + std::string(sj<"勝">) + Number(losses) + std::string(sj<"敗">);
}

// The trajectory's points inside its frame: one basho a step from the left,
// slot 1 at the top.
std::vector<CardPoint> PointsIn(const CardRect& frame, const std::vector<BashoRow>& basho) {
    std::vector<CardPoint> points;
    const int inset = 8;
    const int width = frame.width - 2 * inset, height = frame.height - 2 * inset;
    const int count = static_cast<int>(basho.size());
    for (int i = 0; i < count; ++i) {
        const BashoRow& r = basho[static_cast<size_t>(i)];
        const int slot = std::clamp(r.slot, 1, kSlots);
        CardPoint p;
        p.x = frame.left + inset + (count < 2 ? width / 2 : i * width / (count - 1));
        p.y = frame.top + inset + (slot - 1) * height / (kSlots - 1);
        p.colour = r.rank >= 1 && r.rank <= 5 ? kRankColours[r.rank - 1] : 0x999999;
        p.champion = r.champion;
        points.push_back(p);
    }
    return points;
}

}  // namespace

CareerCard ComposeCard(const CareerCover& cover, const std::vector<BashoRow>& basho) {
    CareerCard card;
    card.title = CardRect{card.width - 24 - 215, 20, 215, 80};
    card.trajectory = CardRect{card.width - 24 - 260, 120, 260, 170};
    auto text = [&](std::string t, int x, int y, int size, bool bold = false,
                    uint32_t colour = 0x2a1a10) {
        card.texts.push_back(CardText{std::move(t), x, y, size, bold, colour});
    };
    text(std::string(sj<"力士カード">), 28, 40, 14, false, card.border);
    text(cover.shikona, 28, 84, 36, true);
    int y = 124;
    const auto fact = [&](std::string_view label, const std::string& value) {
        text(std::string(label), 28, y, 15, true, card.border);
        text(value, 108, y, 15);
        y += 26;
    };
    fact(sj<"初土俵">, BashoName(cover.firstNengo, cover.firstMonth));
    if (cover.lastNengo != 0)
        fact(cover.retired ? sj<"引退"> : sj<"最新">, BashoName(cover.lastNengo, cover.lastMonth));
    fact(sj<"最高位">, cover.bestRank);
    fact(sj<"通算">, Record(cover.wins, cover.losses));
    fact(sj<"優勝">, Number(cover.yusyo) + std::string(sj<"回">));
    // The feats, three to a line, below the facts.
    text(std::string(sj<"達成">), 28, y, 15, true, card.border);
    if (cover.achievements.empty())
        text(std::string(sj<"まだなし">), 108, y, 13);
    for (size_t i = 0; i < cover.achievements.size(); ++i)
        text(cover.achievements[i].name, 108 + static_cast<int>(i % 3) * 84,
             y + static_cast<int>(i / 3) * 20, 13);
    text(std::string(sj<"番付の推移">), card.trajectory.left, card.trajectory.top - 6, 12, false,
         card.border);
    text(std::string(sj<"ケルマー">), card.width - 24 - 64, card.height - 22, 14, true,
         card.border);
    card.points = PointsIn(card.trajectory, basho);
    return card;
}

}  // namespace kelmar
