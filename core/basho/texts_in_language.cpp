// The report window's lines and the captions in the player's language, from
// the pieces the game composes its own from.
#include "basho/procedures.h"
#include "basho/report_wordings.h"
#include "basho/reports.h"
#include "lang/catalogue.h"
#include "lang/names.h"
#include "lang/pieces.h"
#include "lang/ranks.h"
#include "state/encoding.h"
#include "state/strings.h"

namespace kelmar {
namespace {

ReportLines ConvertedLines(const ReportLines& lines) {
    return ReportLines{ShiftJisToUtf8(lines.Label3), ShiftJisToUtf8(lines.Label1),
                       ShiftJisToUtf8(lines.Label2), ShiftJisToUtf8(lines.Label4)};
}

}  // namespace

ReportLines ReportLinesIn(Language language, const ReportPieces& p) {
    if (language == Language::Japanese)
        return ConvertedLines(ReportLinesOf(p));
    ReportLines lines;
    const std::string name = ShownName(language, p.name);
    const std::string tenure = IntToStr(p.tenure);
    lines.Label3 = p.tenure > 10
                       ? Format(language, kNameWithTenure, {{"name", name}, {"tenure", tenure}})
                       : name;
    if (p.retired) {
        lines.Label1 = Translate(language, kRetires);
    } else if (p.record) {
        lines.Label1 =
            Format(language, kRecord, {{"wins", IntToStr(p.wins)}, {"losses", IntToStr(p.losses)}});
    } else {
        const Wording& word = SpecialityWord(p.speciality);
        const std::string technique = word.msgid.empty() ? "" : Translate(language, word);
        lines.Label1 = Format(language, kSpecialityLine, {{"technique", technique}});
    }
    const std::string age = IntToStr(p.age);
    lines.Label2 = p.bestRank != 0
                       ? Format(language, kAgeAndBestRank,
                                {{"age", age}, {"rank", RankName(language, p.bestRank)}})
                       : Format(language, kAge, {{"age", age}});
    const std::string yusho = p.yusho ? IntToStr(*p.yusho) : "";
    const std::string rate = p.winRate ? IntToStr(*p.winRate) : "";
    if (const Wording* fourth = FourthLine(p))
        lines.Label4 = Format(language, *fourth, {{"yusho", yusho}, {"rate", rate}});
    return lines;
}

std::string TacticAgeLineIn(Language language, const TacticQuestion& question) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(TacticAgeLine(question));
    return Format(language, kAgeLine, {{"age", IntToStr(question.age)}});
}

std::string DayCaptionIn(Language language, const DayCard& card) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(DayCaption(card));
    return Format(language, kDayCaption,
                  {{"month", MonthNameIn(language, card.month)}, {"day", IntToStr(card.day)}});
}

std::string ScoreCaptionIn(Language language, int32_t score) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(ScoreCaption(score));
    return Format(language, kScoreCaption, {{"score", IntToStr(score)}});
}

}  // namespace kelmar
