// The career record as the page's core module offers it to web/core.mjs: the
// record's windows and the home read it through these functions, which
// return at once with plain values and texts in UTF-8, as the desktop's
// windows read CareerRecord.
#include <emscripten/bind.h>

#include <cstdio>
#include <string>

#include "canvas/bitmap.h"
#include "lang/catalogue.h"
#include "lang/ranks.h"
#include "record/achievements.h"
#include "record/career_card.h"
#include "record/career_cover.h"
#include "record/store_check.h"
#include "state/encoding.h"
#include "state/rank.h"
#include "state/saved_game.h"
#include "web/page_frontend.h"
#include "web/record_log.h"

namespace kelmar::web {

namespace {

using emscripten::val;

template <typename Rows, typename Shown>
val ListOf(const Rows& rows, Shown shown) {
    val list = val::array();
    for (const auto& row : rows) list.call<void>("push", shown(row));
    return list;
}

val SummaryOf(const CareerSummary& c) {
    val shown = val::object();
    shown.set("career", static_cast<double>(c.career));
    shown.set("shikona", PageName(Utf8ToShiftJis(c.shikona)));
    shown.set("firstNengo", c.firstNengo);
    shown.set("firstMonth", c.firstMonth);
    shown.set("basho", c.basho);
    shown.set("bestRank", c.bestRank ? *c.bestRank : 0);
    shown.set("yusyo", c.yusyo);
    shown.set("wins", c.wins);
    shown.set("losses", c.losses);
    shown.set("score", c.score);
    shown.set("retired", c.retired);
    return shown;
}

val CoverOf(const CareerCover& c) {
    val shown = val::object();
    shown.set("shikona", PageName(c.shikona));
    shown.set("firstNengo", c.firstNengo);
    shown.set("firstMonth", c.firstMonth);
    shown.set("lastNengo", c.lastNengo);
    shown.set("lastMonth", c.lastMonth);
    shown.set("bestRank", TranslateIn(PageLanguage(), "rank", PageText(c.bestRank)));
    shown.set("wins", c.wins);
    shown.set("losses", c.losses);
    shown.set("yusyo", c.yusyo);
    shown.set("retired", c.retired);
    shown.set("achievements", ListOf(c.achievements, [](const CoverAchievement& a) {
                  val earned = val::object();
                  earned.set("name", PageTextIn(a.name));
                  earned.set("nengo", a.nengo);
                  earned.set("month", a.month);
                  return earned;
              }));
    shown.set("biography", ListOf(BiographyIn(PageLanguage(), c),
                                  [](const std::string& sentence) { return val(sentence); }));
    return shown;
}

val BashoOf(const BashoRow& r) {
    val shown = val::object();
    shown.set("seq", r.seq);
    shown.set("nengo", r.nengo);
    shown.set("month", r.month);
    shown.set("slot", r.slot);
    shown.set("rank", r.rank);
    shown.set("wins", r.wins);
    shown.set("losses", r.losses);
    shown.set("champion", r.champion);
    return shown;
}

val RivalOf(const RivalRow& r) {
    val shown = val::object();
    shown.set("opponent", PageName(Utf8ToShiftJis(r.opponent)));
    shown.set("bouts", r.bouts);
    shown.set("wins", r.wins);
    shown.set("losses", r.losses);
    return shown;
}

// 歴代の力士: every career of the store, the first first.
val Careers() {
    return ListOf(PageRecord().Careers(), SummaryOf);
}

// 力士の記録 of this career, or of the running (else the last) one for 0:
// {summary, cover, basho, rivals}, or null when the store has none.
val CareerOf(double wanted) {
    CareerRecord& record = PageRecord();
    const std::optional<int64_t> career = wanted > 0
                                              ? std::optional<int64_t>(static_cast<int64_t>(wanted))
                                              : record.CurrentOrLastCareer();
    if (!career)
        return val::null();
    const std::optional<CareerSummary> summary = record.Career(*career);
    if (!summary)
        return val::null();
    const std::vector<BashoRow> basho = record.BashoOf(*career);
    const std::vector<RivalRow> rivals = record.RivalsOf(*career);
    val shown = val::object();
    shown.set("summary", SummaryOf(*summary));
    shown.set("cover", basho.empty() ? val::null()
                                     : CoverOf(ComposeCover(*summary, basho, rivals,
                                                            record.AchievementsOf(*career))));
    shown.set("basho", ListOf(basho, BashoOf));
    shown.set("rivals", ListOf(rivals, RivalOf));
    return shown;
}

std::string Colour(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xffffff));
    return text;
}

val RectOf(const CardRect& r) {
    val shown = val::object();
    shown.set("left", r.left);
    shown.set("top", r.top);
    shown.set("width", r.width);
    shown.set("height", r.height);
    return shown;
}

// 力士カード of a career (0: the running or last one), its colours as CSS
// colours; null for a career without a basho.
val CardOf(double wanted) {
    CareerRecord& record = PageRecord();
    const std::optional<int64_t> career = wanted > 0
                                              ? std::optional<int64_t>(static_cast<int64_t>(wanted))
                                              : record.CurrentOrLastCareer();
    const std::optional<CareerSummary> summary = career ? record.Career(*career) : std::nullopt;
    const std::vector<BashoRow> basho = summary ? record.BashoOf(*career) : std::vector<BashoRow>();
    if (basho.empty())
        return val::null();
    const CareerCard card = CardIn(
        PageLanguage(),
        ComposeCover(*summary, basho, record.RivalsOf(*career), record.AchievementsOf(*career)),
        basho);
    val shown = val::object();
    shown.set("width", card.width);
    shown.set("height", card.height);
    shown.set("paper", Colour(card.paper));
    shown.set("border", Colour(card.border));
    shown.set("line", Colour(card.line));
    shown.set("star", Colour(card.star));
    shown.set("borderWidth", card.borderWidth);
    shown.set("title", RectOf(card.title));
    shown.set("trajectory", RectOf(card.trajectory));
    shown.set("texts", ListOf(card.texts, [](const CardText& t) {
                  val text = val::object();
                  text.set("text", t.text);
                  text.set("x", t.x);
                  text.set("y", t.y);
                  text.set("size", t.size);
                  text.set("bold", t.bold);
                  text.set("colour", Colour(t.colour));
                  return text;
              }));
    shown.set("points", ListOf(card.points, [](const CardPoint& p) {
                  val point = val::object();
                  point.set("x", p.x);
                  point.set("y", p.y);
                  point.set("colour", Colour(p.colour));
                  point.set("champion", p.champion);
                  return point;
              }));
    shown.set("shikona", PageName(Utf8ToShiftJis(summary->shikona)));
    return shown;
}

// 資料館: every achievement in the windows' order; the name is empty for one
// nobody has earned.
val Tallies() {
    return ListOf(PageRecord().AchievementTallies(), [](const AchievementTally& t) {
        val shown = val::object();
        const auto index = AchievementIndex(t.code);
        const bool known = t.careers > 0 && index;
        shown.set("code", t.code);
        shown.set("name",
                  known ? Translate(PageLanguage(), kAchievements[*index].name) : std::string());
        shown.set("careers", t.careers);
        shown.set("firstCareer", static_cast<double>(t.firstCareer));
        shown.set("shikona", PageName(Utf8ToShiftJis(t.shikona)));
        shown.set("nengo", t.nengo);
        shown.set("month", t.month);
        return shown;
    });
}

val RankWords() {
    val words = val::array();
    for (size_t code = 1; code <= kRankWords.size(); ++code)
        words.call<void>("push", RankName(PageLanguage(), static_cast<int64_t>(code)));
    return words;
}

// The home's glance at Kelmar.ini.
val SavedGlance() {
    const SavedGameGlance saved = GlanceAtSavedGame();
    val shown = val::object();
    shown.set("exists", saved.exists);
    shown.set("shikona", PageName(saved.shikona));
    shown.set("rank", TranslateIn(PageLanguage(), "rank", PageText(saved.rank)));
    shown.set("nengo", saved.nengo);
    shown.set("month", saved.month);
    return shown;
}

// A picture of the game folder as {width, height, rgba}, or null.
val GamePicture(std::string name) {
    try {
        const canvas::Picture picture = canvas::ReadGamePicture(name);
        const std::vector<uint8_t> rgba = canvas::RgbaBytes(picture);
        val shown = val::object();
        shown.set("width", picture.width());
        shown.set("height", picture.height());
        shown.set("rgba", val::global("Uint8Array")
                              .new_(emscripten::typed_memory_view(rgba.size(), rgba.data())));
        return shown;
    } catch (const std::exception&) {
        return val::null();
    }
}

// Why the file at `path` cannot replace the store, or "" when it can.
std::string StoreRefusalOf(std::string path) {
    const auto refusal = StoreRefusal(path);
    return refusal ? PageText(*refusal) : std::string();
}

// The checked file at `path` becomes the store: the record is closed, the
// file takes its place, and the record opens it in the page's journal; false
// when it cannot (reported in the game's message box).
bool TakeStore(std::string path) {
    ReopenRecord();  // the old connection is closed first
    std::remove(kRecordFile);
    if (std::rename(path.c_str(), kRecordFile) != 0) {
        ShowError("記録のファイルを置けません。");
        return false;
    }
    ReopenRecord();
    try {
        PageRecord().Open();
    } catch (const RecordError&) {
        return false;
    }
    RecordWritten();
    return true;
}

// The store opened before its first use; one that cannot be is reported.
void OpenRecord() {
    try {
        PageRecord().Open();
    } catch (const RecordError&) {
        // Reported by the record's failure handler.
    }
}

bool RecordFailed() {
    return PageRecord().failed();
}

}  // namespace

EMSCRIPTEN_BINDINGS(kelmar_record_page) {
    using emscripten::function;
    function("recordCareers", &Careers);
    function("recordCareer", &CareerOf);
    function("recordTallies", &Tallies);
    function("rankWords", &RankWords);
    function("savedGlance", &SavedGlance);
    function("gamePicture", &GamePicture);
    function("storeRefusal", &StoreRefusalOf);
    function("takeStore", &TakeStore);
    function("recordFailed", &RecordFailed);
    function("openRecord", &OpenRecord);
    function("careerCard", &CardOf);
}

}  // namespace kelmar::web
