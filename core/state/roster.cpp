#include "state/roster.h"

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

bool ZaiiForAge(int32_t age, int32_t& zaii) {
    if (age >= 20 && age <= 24) {
        zaii = 2 * age - 38;
    } else if (age >= 25 && age <= 30) {
        zaii = 6 * age - 144;
    } else if (age >= 31 && age <= 40) {
        zaii = age + 25;
    } else {
        return false;
    }
    return true;
}

namespace {

// The length of the line without its leading and trailing bytes below 33.
int64_t TrimmedLength(std::string_view line) {
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && static_cast<unsigned char>(line[begin]) < 33) ++begin;
    while (end > begin && static_cast<unsigned char>(line[end - 1]) < 33) --end;
    return static_cast<int64_t>(end - begin);
}

// A portrait number below 1 has no picture: the name is refused where it is
// read. Digits that are no number are left to the first picture that needs
// them, which raises the conversion error.
void CheckPortrait(const std::string& shikona, const char* file, int line) {
    int32_t portrait = 0;
    if (TryPortraitNumber(shikona, portrait) && portrait < 1)
        throw BadDataLine(
            file, line,
            MessageWords{wd<"四股名 {shikona} の絵の番号 {portrait} は 1 より小さいです">,
                         {{"shikona", shikona, {}, {}}, {"portrait", IntToStr(portrait), {}, {}}}});
}

// Likewise a slot outside the league is refused with its line; a field that is
// no number waits for the day that reads it.
void CheckPairingLine(std::string_view line, int day) {
    constexpr int kFields = 2 * 16;
    for (int field = 1; field <= kFields; ++field) {
        const size_t end = 2 * static_cast<size_t>(field);
        const std::string_view digits =
            end <= line.size() ? line.substr(end - 2, 2) : CopyView(line, 2 * field - 1, 2);
        int32_t slot = 0;
        // Two digits, the usual field, read at once; any other, in full.
        const bool number = TryShortDecimal(digits, slot) || TryStrToInt(digits, slot);
        if (number && (slot < 1 || slot > kSlots))
            throw BadDataLine(kMatchFile, day,
                              MessageWords{wd<"番付の位置 {slot} は 1..32 の範囲外です">,
                                           {{"slot", IntToStr(slot), {}, {}}}});
    }
}

// The fields a roster reading stores in slots 1..31; Zaii follows from Age.
constexpr SlotArray<std::string> GameState::*kRosterTexts[] = {&GameState::NameOfWres,
                                                               &GameState::Stage};
constexpr SlotArray<int32_t> GameState::*kRosterFigures[] = {
    &GameState::E,  &GameState::LB, &GameState::L, &GameState::Age,
    &GameState::Pw, &GameState::Sp, &GameState::Tc};

class DiskFiles final : public LeagueFiles {
  public:
    void LoadRoster(GameState& state) override { kelmar::LoadRoster(state); }
    void LoadMatchTable(GameState& state) override { kelmar::LoadMatchTable(state); }
    std::vector<std::string> LoadJuryoNames(GameState& state) override {
        return kelmar::LoadJuryoNames(state);
    }
};

}  // namespace

LeagueFiles& DiskLeagueFiles() {
    static DiskFiles disk;
    return disk;
}

void SeedRoster(const GameState& league, GameState& state) {
    for (int i = 1; i <= kRosterSlots; ++i) {
        for (const auto texts : kRosterTexts) (state.*texts)[i] = (league.*texts)[i];
        for (const auto figures : kRosterFigures) (state.*figures)[i] = (league.*figures)[i];
        ZaiiForAge(state.Age[i], state.Zaii[i]);
    }
    state.RosterLoaded = 1;
    state.LastWin = 1;
}

void LoadRoster(GameState& state) {
    TextReader file(kRosterFile);
    LoadRosterFrom(state, file);
}

void LoadRosterFrom(GameState& state, TextReader& file) {
    for (int i = 1; i <= kRosterSlots; ++i) {
        // Read in place, and copied into the slot's own strings, whose
        // buffers serve every career.
        const std::string_view name = file.ReadLineView();
        const int64_t n = TrimmedLength(name);
        state.NameOfWres[i] = CopyView(name, 1, n - 1);
        state.Stage[i] = CopyView(name, n, 1);
        CheckPortrait(state.NameOfWres[i], kRosterFile, 2 * i - 1);

        const std::string_view figures = file.ReadLineView();
        state.E[i] = StrToInt(CopyView(figures, 1, 2));
        state.LB[i] = StrToInt(CopyView(figures, 3, 2));
        state.L[i] = StrToInt(CopyView(figures, 5, 2));
        state.Age[i] = StrToInt(CopyView(figures, 7, 2));
        state.Pw[i] = StrToInt(CopyView(figures, 9, 1));
        state.Sp[i] = StrToInt(CopyView(figures, 10, 1));
        state.Tc[i] = StrToInt(CopyView(figures, 11, 1));
        ZaiiForAge(state.Age[i], state.Zaii[i]);
    }
    state.RosterLoaded = 1;
    state.LastWin = 1;
}

void LoadMatchTable(GameState& state) {
    TextReader file(kMatchFile);
    LoadMatchTableFrom(state, file);
}

void LoadMatchTableFrom(GameState& state, TextReader& file) {
    for (int d = 1; d <= kDays; ++d) {
        const std::string_view line = file.ReadLineView();
        CheckPairingLine(line, d);
        state.Match[d] = line;
    }
}

std::vector<std::string> LoadJuryoNames(GameState& state) {
    TextReader file(kJuryoFile);
    return LoadJuryoNamesFrom(state, file);
}

std::vector<std::string> LoadJuryoNamesFrom(GameState& state, TextReader& file) {
    std::vector<std::string> items;
    for (int i = 1; i <= kJuryo; ++i) {
        state.Juryo[i] = file.ReadLine();
        CheckPortrait(state.Juryo[i], kJuryoFile, i);
        items.push_back(DisplayName(state.Juryo[i]));
    }
    return items;
}

}  // namespace kelmar
