// The report window's lines and the captions the game composes, kept in their
// pieces (names, ranks, numbers): the game's Japanese lines are composed from
// them, and so are those of a face that shows another language (UTF-8).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lang/language.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// The technique a rikishi is known for, by his figures.
enum class Speciality { None, Uwatenage, Henka, TsukiOshi };

struct ReportPieces {
    std::string name;      // the display name (Shift-JIS)
    int32_t tenure = 0;    // Zaii, named after the name when above 10
    bool retired = false;  // the career report: Label1 says he retires
    bool record = false;   // Label1 the basho's record rather than the speciality
    Speciality speciality = Speciality::None;
    int64_t wins = 0;
    int64_t losses = 0;
    int64_t age = 0;
    int32_t bestRank = 0;            // a rank code 1..4 named in Label2, 0 for none
    std::optional<int32_t> yusho;    // Label4's count of yusho, when it shows it
    std::optional<int32_t> winRate;  // Label4's win rate in percent, when it shows it
    bool operator==(const ReportPieces&) const = default;
};

// The opponent report on today's bout (Button4), and the career report of
// the retired player: what ComposeOpponentReport and ComposeCareerReport
// show, with the same errors.
ReportPieces OpponentReportPieces(const GameState& state);
ReportPieces CareerReportPieces(const GameState& state, int slot);
// The game's lines (Shift-JIS).
ReportLines ReportLinesOf(const ReportPieces& pieces);

// The same texts in `language`, UTF-8; in Japanese the game's own, converted.
ReportLines ReportLinesIn(Language language, const ReportPieces& pieces);
std::string TacticAgeLineIn(Language language, const TacticQuestion& question);
std::string DayCaptionIn(Language language, const DayCard& card);
std::string ScoreCaptionIn(Language language, int32_t score);

}  // namespace kelmar
