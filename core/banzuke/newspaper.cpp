// The page of the sports paper shown before every basho: the champion, the
// decisions of the banzuke update and the stories about the new banzuke.
#include <initializer_list>
#include <string_view>

#include "banzuke/procedures.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {
namespace {

// The paper's line end is a line feed followed by a carriage return.
constexpr const char* kLineEnd = "\n\r";
constexpr size_t kPageRoom = 4096;

// A two-way wording: the first with chance 6 in 9.
bool FirstWording(GameState& s) {
    return s.Rng.Draw(9) <= 5;
}

// The line from its pieces, written straight into the page.
void AddLine(std::string& page, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) page += piece;
    page += kLineEnd;
}

void AddBanzukeNews(const GameState& s, std::string& page) {
    if (!s.Ysyoshin.empty())
        AddLine(page, {s.Ysyoshin, sj<"、横綱誕生だ！新時代幕開け">});
    if (!s.Osyoshin.empty())
        AddLine(page, {s.Osyoshin, sj<"、新大関に、地元フィーバー！">});
    if (!s.Kanraku.empty())
        AddLine(page, {sj<"大関陥落！仕切り直しの">, DisplayName(s.Kanraku)});
    if (!s.Intai.empty())
        AddLine(page, {sj<"惜しまれつつも引退へ">, s.Intai});
    if (!s.JuryoDropList.empty())
        AddLine(page, {sj<"十両落ち">, s.JuryoDropList});
}

// The stories of one slot, in their fixed order. Each chance story draws only
// when its condition holds. Returns whether the slot is a yokozuna or ozeki
// with the spirit the chairman wants to see.
bool AddStories(GameState& s, int slot, std::string& page) {
    // Both read in place, as views: most slots have no story.
    const std::string_view name = DisplayNameView(s.NameOfWres[slot]);
    const std::string_view stage = s.Stage[slot];
    const int64_t lastTwo = int64_t{s.LB[slot]} + s.L[slot];
    if (s.Age[slot] % 100 > 35 && s.Rng.Draw(11) == 0)
        AddLine(page, {sj<"力の衰え隠せず">, name});
    if (stage == "3" && lastTwo >= 20)
        AddLine(page, {name, FirstWording(s) ? sj<"、今場所に大関昇進かける">
                                             : sj<"、大関目前！ 集中力で勝負">});
    if (stage == "2" && lastTwo >= 22)
        AddLine(page, {name, sj<"、綱とりだ！ 最低ライン１２勝">});
    if (stage == "2" && s.L[slot] < 8)
        AddLine(page, {sj<"大関">, name,
                       FirstWording(s) ? sj<"、ガケっぷち"> : sj<"、カド番脱出なるか">});
    if (s.Zaii[slot] == 1)
        AddLine(page, {sj<"新入幕">, name,
                       FirstWording(s) ? sj<"、勝ちこし目標にがんばりたい">
                                       : sj<"、「幕でもやれる」親方太鼓判">});
    if (slot >= 23 && s.E[slot] > 10)
        AddLine(page, {sj<"注目株">, name, sj<"、好調なケイコが裏付け">});
    if (stage == "5" && s.E[slot] > 28)
        AddLine(page, {name, sj<"、横綱大関キラーだ！">});
    return (stage == "1" || stage == "2") && s.E[slot] > 30;
}

}  // namespace

void ComposeNewspaper(GameState& state, std::string& page) {
    page.clear();
    page.reserve(kPageRoom);
    AddLine(page, {sj<"                  毎読スポーツ速報  ">});
    AddLine(page, {});
    AddLine(page, {sj<"先場所優勝力士、">, DisplayName(state.NameOfWres[state.LastWin])});
    AddBanzukeNews(state, page);
    bool spirited = false;
    for (int slot = 1; slot <= kSlots; ++slot) spirited |= AddStories(state, slot, page);
    if (!spirited)
        AddLine(page, {sj<"理事長一喝、「横綱大関覇気がない！」">});
    state.Intai.clear();
    state.JuryoDropList.clear();
    state.Osyoshin.clear();
    state.Ysyoshin.clear();
    state.Kanraku.clear();
}

std::string ComposeNewspaper(GameState& state) {
    std::string page;
    ComposeNewspaper(state, page);
    return page;
}

void ShowNewspaper(GameState& state, Frontend& frontend) {
    // The page is composed afresh every basho, in a buffer that serves every
    // basho of the thread, so that none after the first allocates.
    thread_local std::string page;
    ComposeNewspaper(state, page);
    frontend.ShowNewspaper(page);
}

}  // namespace kelmar
