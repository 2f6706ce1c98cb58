#include "record/career_card.h"

#include <algorithm>

#include "lang/catalogue.h"
#include "lang/names.h"
#include "lang/pieces.h"
#include "state/encoding.h"
#include "state/strings.h"
#include "state/wording.h"

namespace kelmar {

namespace {

constexpr int kSlots = 32;
// The feats' column in the game's layout, three to a line.
constexpr int kFeatColumn = 84;

// The width of a text in the card's monospaced Gothic: a full-width character
// an em, an ASCII one or a half-width kana half of it.
int WidthOf(std::string_view utf8, int pixels) {
    int halves = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const bool halfKana = length == 3 && lead == 0xEF &&
                              static_cast<unsigned char>(utf8[i + 1]) >= 0xBD &&
                              (static_cast<unsigned char>(utf8[i + 1]) > 0xBD ||
                               static_cast<unsigned char>(utf8[i + 2]) >= 0xA1);
        halves += length == 1 || halfKana ? 1 : 2;
        i += length;
    }
    return halves * pixels / 2;
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

CareerCard CardIn(Language language, const CareerCover& cover, const std::vector<BashoRow>& basho) {
    CareerCard card;
    card.title = CardRect{card.width - 24 - 215, 20, 215, 80};
    card.trajectory = CardRect{card.width - 24 - 260, 120, 260, 170};
    auto text = [&](std::string t, int x, int y, int size, bool bold = false,
                    uint32_t colour = 0x2a1a10) {
        card.texts.push_back(CardText{std::move(t), x, y, size, bold, colour});
    };
    const auto word = [language](const Wording& w) { return Translate(language, w); };
    const auto bashoName = [language](int32_t nengo, int32_t month) {
        return Format(language, wd<"{basho}場所", "card">,
                      {{"basho", BashoDateIn(language, nengo, month)}});
    };
    text(word(wd<"力士カード", "card">), 28, 40, 14, false, card.border);
    text(ShownName(language, cover.shikona), 28, 84, 36, true);
    int y = 124;
    const auto fact = [&](const Wording& label, const std::string& value) {
        text(word(label), 28, y, 15, true, card.border);
        text(value, 108, y, 15);
        y += 26;
    };
    fact(wd<"初土俵", "card">, bashoName(cover.firstNengo, cover.firstMonth));
    if (cover.lastNengo != 0)
        fact(cover.retired ? wd<"引退", "card"> : wd<"最新", "card">,
             bashoName(cover.lastNengo, cover.lastMonth));
    fact(wd<"最高位", "card">, TranslateIn(language, "rank", ShiftJisToUtf8(cover.bestRank)));
    fact(wd<"通算", "card">, WinsAndLossesIn(language, cover.wins, cover.losses));
    fact(wd<"優勝", "card">,
         Format(language, wd<"{count}回", "card">, {{"count", IntToStr(cover.yusyo)}}));
    // The feats below the facts: three to a line beside their label where
    // their names fit, else two to a line under it, smaller.
    text(word(wd<"達成", "card">), 28, y, 15, true, card.border);
    if (cover.achievements.empty())
        text(word(wd<"まだなし", "card">), 108, y, 13);
    std::vector<std::string> feats;
    for (const CoverAchievement& a : cover.achievements)
        feats.push_back(Translate(language, ShiftJisToUtf8(a.name)));
    const bool fit = std::all_of(feats.begin(), feats.end(), [](const std::string& f) {
        return WidthOf(f, 13) < kFeatColumn - 4;
    });
    for (size_t i = 0; i < feats.size(); ++i) {
        const int column = static_cast<int>(i % (fit ? 3 : 2)),
                  line = static_cast<int>(i / (fit ? 3 : 2));
        if (fit)
            text(feats[i], 108 + column * kFeatColumn, y + line * 20, 13);
        else
            text(feats[i], 28 + column * (card.trajectory.left - 28) / 2, y + 18 + line * 17, 12);
    }
    text(word(wd<"番付の推移">), card.trajectory.left, card.trajectory.top - 6, 12, false,
         card.border);
    text(word(wd<"ケルマー">), card.width - 24 - 64, card.height - 22, 14, true, card.border);
    card.points = PointsIn(card.trajectory, basho);
    return card;
}

CareerCard ComposeCard(const CareerCover& cover, const std::vector<BashoRow>& basho) {
    CareerCard card = CardIn(Language::Japanese, cover, basho);
    for (CardText& t : card.texts) t.text = Utf8ToShiftJis(t.text);
    return card;
}

}  // namespace kelmar
