#include "lang/pieces.h"

#include <array>

#include "lang/catalogue.h"
#include "lang/names.h"
#include "lang/ranks.h"
#include "state/strings.h"

namespace kelmar {
namespace {

constexpr std::array<Wording, 12> kMonths = {
    wd<"1月", "month">, wd<"2月", "month">,  wd<"3月", "month">,  wd<"4月", "month">,
    wd<"5月", "month">, wd<"6月", "month">,  wd<"7月", "month">,  wd<"8月", "month">,
    wd<"9月", "month">, wd<"10月", "month">, wd<"11月", "month">, wd<"12月", "month">,
};
constexpr Wording kBashoDate = wd<"{nengo}年{month}月">;
constexpr Wording kWinsAndLosses = wd<"{wins}勝{losses}敗">;

// By rank code, yokozuna first: the words of state/rank.h.
constexpr std::array<Wording, 5> kInSentence = {
    wd<"横綱", "rank, in a sentence">, wd<"大関", "rank, in a sentence">,
    wd<"関脇", "rank, in a sentence">, wd<"小結", "rank, in a sentence">,
    wd<"前頭", "rank, in a sentence">,
};
constexpr std::array<Wording, 5> kWithArticle = {
    wd<"横綱", "rank, in a sentence, with its article">,
    wd<"大関", "rank, in a sentence, with its article">,
    wd<"関脇", "rank, in a sentence, with its article">,
    wd<"小結", "rank, in a sentence, with its article">,
    wd<"前頭", "rank, in a sentence, with its article">,
};

// Once and twice have words of their own in English; the Japanese is the
// same count either way.
constexpr Wording kOnce = wd<"1回", "times">;
constexpr Wording kTwice = wd<"2回", "times">;
constexpr Wording kTimes = wd<"{count}回", "times">;

std::string RankIn(Language language, const std::array<Wording, 5>& words, int32_t code) {
    if (code < 1 || code > static_cast<int32_t>(words.size()))
        return "";
    return Translate(language, words[static_cast<size_t>(code - 1)]);
}

std::string TimesIn(Language language, int32_t count) {
    if (count == 1)
        return Translate(language, kOnce);
    if (count == 2)
        return Translate(language, kTwice);
    return Format(language, kTimes, {{"count", IntToStr(count)}});
}

std::string PieceIn(Language language, const PhrasePiece& piece) {
    using Kind = PhrasePiece::Kind;
    switch (piece.kind) {
        case Kind::Name:
            return ShownName(language, piece.name);
        case Kind::Rank:
            return RankIn(language, kInSentence, piece.first);
        case Kind::RankWithArticle:
            return RankIn(language, kWithArticle, piece.first);
        case Kind::Basho:
            return BashoDateIn(language, piece.first, piece.second);
        case Kind::Number:
            return IntToStr(piece.first);
        case Kind::Record:
            return WinsAndLossesIn(language, piece.first, piece.second);
        case Kind::Times:
            return TimesIn(language, piece.first);
        case Kind::List: {
            std::vector<std::string> items;
            for (const Phrase& phrase : piece.list) items.push_back(PhraseIn(language, phrase));
            return ListOfNames(language, items);
        }
    }
    return "";
}

}  // namespace

std::string MonthNameIn(Language language, int32_t month) {
    if (month < 1 || month > static_cast<int32_t>(kMonths.size()))
        return IntToStr(month);
    return Translate(language, kMonths[static_cast<size_t>(month - 1)]);
}

std::string BashoDateIn(Language language, int32_t nengo, int32_t month) {
    const std::string shown =
        language == Language::Japanese ? IntToStr(month) : MonthNameIn(language, month);
    return Format(language, kBashoDate, {{"nengo", IntToStr(nengo)}, {"month", shown}});
}

std::string WinsAndLossesIn(Language language, int32_t wins, int32_t losses) {
    return Format(language, kWinsAndLosses,
                  {{"wins", IntToStr(wins)}, {"losses", IntToStr(losses)}});
}

PhrasePiece NamePiece(std::string_view placeholder, std::string displayName) {
    PhrasePiece piece;
    piece.placeholder = placeholder;
    piece.kind = PhrasePiece::Kind::Name;
    piece.name = std::move(displayName);
    return piece;
}

PhrasePiece NumberPiece(std::string_view placeholder, PhrasePiece::Kind kind, int32_t first,
                        int32_t second) {
    PhrasePiece piece;
    piece.placeholder = placeholder;
    piece.kind = kind;
    piece.first = first;
    piece.second = second;
    return piece;
}

PhrasePiece ListPiece(std::string_view placeholder, std::vector<Phrase> phrases) {
    PhrasePiece piece;
    piece.placeholder = placeholder;
    piece.kind = PhrasePiece::Kind::List;
    piece.list = std::move(phrases);
    return piece;
}

std::string PhraseIn(Language language, const Phrase& phrase) {
    std::vector<std::string> texts;
    texts.reserve(phrase.pieces.size());
    for (const PhrasePiece& piece : phrase.pieces) texts.push_back(PieceIn(language, piece));
    std::vector<TextPiece> filled;
    for (size_t i = 0; i < texts.size(); ++i)
        filled.push_back({phrase.pieces[i].placeholder, texts[i]});
    return Format(language, phrase.wording, filled);
}

}  // namespace kelmar
