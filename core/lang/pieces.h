// The pieces of the record's texts as a face shows them in its language,
// UTF-8: a basho's month and year, a record of wins and losses, a rank in a
// sentence, and the phrases that hold them. A phrase is kept as its wording
// and its pieces, so that a text the record composes (the cover's biography)
// can be worded in any language: in Japanese it is the game's own text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lang/language.h"
#include "state/wording.h"

namespace kelmar {

// 2020年3月, March 2020: the month by its name in a language that names it.
std::string BashoDateIn(Language language, int32_t nengo, int32_t month);
// The month's name (March), or its number when it has none.
std::string MonthNameIn(Language language, int32_t month);
// 9勝6敗, 9-6.
std::string WinsAndLossesIn(Language language, int32_t wins, int32_t losses);

struct Phrase;

// A piece of a phrase, worded in the language the phrase is shown in.
struct PhrasePiece {
    enum class Kind {
        Name,             // a display name, in romaji where the language writes them
        Rank,             // a rank code as a sentence writes it: 前頭, maegashira
        RankWithArticle,  // the same where English puts an article: a maegashira, an ozeki
        Basho,            // a basho's year and month: 2020年3月, March 2020
        Number,
        Record,  // wins and losses: 9勝6敗, 9-6
        Times,   // a count of times: 2回, twice
        List,    // phrases listed: 、 between them in Japanese, "A, B and C" in English
    };
    std::string_view placeholder;
    Kind kind = Kind::Number;
    std::string name;               // Name: the display name (Shift-JIS)
    int32_t first = 0, second = 0;  // the rank code, the number, nengo and month, wins and losses
    std::vector<Phrase> list;       // List
};

struct Phrase {
    Wording wording;
    std::vector<PhrasePiece> pieces;
};

PhrasePiece NamePiece(std::string_view placeholder, std::string displayName);
PhrasePiece NumberPiece(std::string_view placeholder, PhrasePiece::Kind kind, int32_t first,
                        int32_t second = 0);
PhrasePiece ListPiece(std::string_view placeholder, std::vector<Phrase> phrases);

// The phrase's wording in `language`, its pieces worded and filled in.
std::string PhraseIn(Language language, const Phrase& phrase);

}  // namespace kelmar
