// The lines of the newspaper page as the game words them: its one table of
// wordings, from which the game composes the page in Japanese and from which
// a face that shows another language reads the page back into its pieces.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "state/wording.h"

namespace kelmar {

// Every line the page can hold, in the order the game may write them.
enum class Headline {
    Masthead,
    Blank,
    Champion,      // {name}: last basho's yusho winner
    NewYokozuna,   // {names}: Ysyoshin, the names one after the other
    NewOzeki,      // {names}: Osyoshin, likewise
    OzekiDemoted,  // {name}: Kanraku's display name
    Retired,       // {names}: Intai, each name after "、"
    DownToJuryo,   // {names}: the juryo drops, likewise
    Decline,       // {name} from here on: the stories of a slot
    OzekiBid,
    OzekiInSight,
    RopeBid,
    KadobanEdge,
    KadobanEscape,
    NewcomerAim,
    NewcomerVouched,
    OneToWatch,
    GiantKiller,
    ChairmanScolds,  // no yokozuna or ozeki with spirit
    Unknown,         // a line of no wording of the game: kept as it is
};

const Wording& WordingOf(Headline headline);
// Whether the line's piece joins several names.
bool JoinsNames(Headline headline);

// The page's line end: a line feed, then a carriage return.
inline constexpr std::string_view kPaperLineEnd = "\n\r";

// The line of `headline` with its piece (the game's text), appended to the
// page with its line end.
void AddHeadline(std::string& page, Headline headline, std::string_view piece = {});

// A line read back: its headline and its piece (Shift-JIS): the name, the
// names as the game joined them, or the whole line when it is Unknown.
struct NewspaperLine {
    Headline headline = Headline::Unknown;
    std::string piece;
    bool operator==(const NewspaperLine&) const = default;
};
// The lines of a page as the game composes it (ComposeNewspaper).
std::vector<NewspaperLine> ReadNewspaper(std::string_view page);

// The page in `language`, UTF-8, with the page's line ends: each line worded
// by the catalogue, each name shown as the language shows it; joined names
// are split by the league's names (KnownNames). In Japanese, the page itself.
std::string NewspaperIn(Language language, std::string_view page,
                        std::span<const std::string> knownNames);

}  // namespace kelmar
