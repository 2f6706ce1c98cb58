// The page of the sports paper shown before every basho: the champion, the
// decisions of the banzuke update and the stories about the new banzuke.
#include "banzuke/newspaper.h"

#include <array>

#include "banzuke/procedures.h"
#include "state/strings.h"

namespace kelmar {
namespace {

constexpr size_t kPageRoom = 4096;

// By Headline.
constexpr std::array<Wording, static_cast<size_t>(Headline::Unknown) + 1> kHeadlines = {
    wd<"                  毎読スポーツ速報  ">,
    Wording{},
    wd<"先場所優勝力士、{name}">,
    wd<"{names}、横綱誕生だ！新時代幕開け">,
    wd<"{names}、新大関に、地元フィーバー！">,
    wd<"大関陥落！仕切り直しの{name}">,
    wd<"惜しまれつつも引退へ{names}">,
    wd<"十両落ち{names}">,
    wd<"力の衰え隠せず{name}">,
    wd<"{name}、今場所に大関昇進かける">,
    wd<"{name}、大関目前！ 集中力で勝負">,
    wd<"{name}、綱とりだ！ 最低ライン１２勝">,
    wd<"大関{name}、ガケっぷち">,
    wd<"大関{name}、カド番脱出なるか">,
    wd<"新入幕{name}、勝ちこし目標にがんばりたい">,
    wd<"新入幕{name}、「幕でもやれる」親方太鼓判">,
    wd<"注目株{name}、好調なケイコが裏付け">,
    wd<"{name}、横綱大関キラーだ！">,
    wd<"理事長一喝、「横綱大関覇気がない！」">,
    // A line of no wording of ours is its own text.
    Wording{"{line}", "{line}", ""},
};

// A two-way wording: the first with chance 6 in 9.
bool FirstWording(GameState& s) {
    return s.Rng.Draw(9) <= 5;
}

}  // namespace

const Wording& WordingOf(Headline headline) {
    return kHeadlines[static_cast<size_t>(headline)];
}

bool JoinsNames(Headline headline) {
    return headline == Headline::NewYokozuna || headline == Headline::NewOzeki ||
           headline == Headline::Retired || headline == Headline::DownToJuryo;
}

void AddHeadline(std::string& page, Headline headline, std::string_view piece) {
    AppendFilledShiftJis(page, WordingOf(headline).japanese,
                         {{"name", piece}, {"names", piece}, {"line", piece}});
    page += kPaperLineEnd;
}

namespace {

void AddBanzukeNews(const GameState& s, std::string& page) {
    if (!s.Ysyoshin.empty())
        AddHeadline(page, Headline::NewYokozuna, s.Ysyoshin);
    if (!s.Osyoshin.empty())
        AddHeadline(page, Headline::NewOzeki, s.Osyoshin);
    if (!s.Kanraku.empty())
        AddHeadline(page, Headline::OzekiDemoted, DisplayNameView(s.Kanraku));
    if (!s.Intai.empty())
        AddHeadline(page, Headline::Retired, s.Intai);
    if (!s.JuryoDropList.empty())
        AddHeadline(page, Headline::DownToJuryo, s.JuryoDropList);
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
        AddHeadline(page, Headline::Decline, name);
    if (stage == "3" && lastTwo >= 20)
        AddHeadline(page, FirstWording(s) ? Headline::OzekiBid : Headline::OzekiInSight, name);
    if (stage == "2" && lastTwo >= 22)
        AddHeadline(page, Headline::RopeBid, name);
    if (stage == "2" && s.L[slot] < 8)
        AddHeadline(page, FirstWording(s) ? Headline::KadobanEdge : Headline::KadobanEscape, name);
    if (s.Zaii[slot] == 1)
        AddHeadline(page, FirstWording(s) ? Headline::NewcomerAim : Headline::NewcomerVouched,
                    name);
    if (slot >= 23 && s.E[slot] > 10)
        AddHeadline(page, Headline::OneToWatch, name);
    if (stage == "5" && s.E[slot] > 28)
        AddHeadline(page, Headline::GiantKiller, name);
    return (stage == "1" || stage == "2") && s.E[slot] > 30;
}

}  // namespace

void ComposeNewspaper(GameState& state, std::string& page) {
    page.clear();
    page.reserve(kPageRoom);
    AddHeadline(page, Headline::Masthead);
    AddHeadline(page, Headline::Blank);
    AddHeadline(page, Headline::Champion, DisplayNameView(state.NameOfWres[state.LastWin]));
    AddBanzukeNews(state, page);
    bool spirited = false;
    for (int slot = 1; slot <= kSlots; ++slot) spirited |= AddStories(state, slot, page);
    if (!spirited)
        AddHeadline(page, Headline::ChairmanScolds);
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
