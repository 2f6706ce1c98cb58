// The wordings of the report window and of the captions, shared by the
// game's Japanese lines and those of the other languages (basho/reports.h).
#pragma once

#include "basho/reports.h"
#include "state/wording.h"

namespace kelmar {

inline constexpr Wording kNameWithTenure = wd<"{name}-幕内在位{tenure}場所">;
inline constexpr Wording kRetires = wd<"力尽きて引退です｡">;
inline constexpr Wording kRecord = wd<"勝 敗：{wins}勝{losses}敗">;
inline constexpr Wording kSpecialityLine = wd<"得意技:{technique}">;
inline constexpr Wording kAge = wd<"年齢  :{age}">;
inline constexpr Wording kAgeAndBestRank = wd<"年齢  :{age}  最高位:{rank}">;
inline constexpr Wording kYusho = wd<"優勝回数; {yusho}  ">;
inline constexpr Wording kWinRate = wd<"勝率  : {rate}%">;
inline constexpr Wording kYushoAndWinRate = wd<"優勝回数; {yusho}  勝率  : {rate}%">;
inline constexpr Wording kAgeLine = wd<"年齢: {age}歳">;
inline constexpr Wording kDayCaption = wd<"{month}月場所{day}日目">;
inline constexpr Wording kScoreCaption = wd<"得点 : {score}">;

// By Speciality; none has no word.
inline constexpr Wording kSpecialityWords[] = {
    Wording{},
    wd<"上手投げ", "speciality">,
    wd<"変化わざ", "speciality">,
    wd<"突き押し", "speciality">,
};
inline const Wording& SpecialityWord(Speciality speciality) {
    return kSpecialityWords[static_cast<int>(speciality)];
}

// Label4's wording, or null when it shows nothing.
inline const Wording* FourthLine(const ReportPieces& p) {
    if (p.yusho && p.winRate)
        return &kYushoAndWinRate;
    if (p.yusho)
        return &kYusho;
    if (p.winRate)
        return &kWinRate;
    return nullptr;
}

}  // namespace kelmar
