#include "state/saved_game.h"

#include <cerrno>
#include <filesystem>
#include <utility>

#include "state/errors.h"
#include "state/ini.h"
#include "state/rank.h"
#include "state/roster.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr const char* kSavedGameFile = "Kelmar.ini";
constexpr int32_t kMissingInteger = -1;
constexpr int32_t kPracticeLevel = 10;

std::string JuryoKey(int i) {
    return "Juryo" + IntToStr(i);
}

void WriteLeague(const GameState& s, IniFile& ini) {
    for (int i = 1; i <= kJuryo; ++i) ini.WriteString("Wres", JuryoKey(i), s.Juryo[i]);
    for (int slot = 1; slot <= kSlots; ++slot) {
        const std::string section = IntToStr(slot);
        for (const SlotIntegerField& field : kSlotIntegerFields)
            ini.WriteInteger(section, field.name, (s.*field.values)[slot]);
        for (const SlotStringField& field : kSlotStringFields)
            ini.WriteString(section, field.name, (s.*field.values)[slot]);
    }
}

void WriteSeason(const GameState& s, IniFile& ini) {
    ini.WriteString("Game", "PlayersWres", s.PlayersWres);
    ini.WriteInteger("Game", "Torikumiday", s.Torikumiday);
    ini.WriteInteger("Game", "Nengo", s.Nengo);
    ini.WriteInteger("Game", "Basyo6", s.Basyo6);
    ini.WriteInteger("Game", "LastWin", s.LastWin);
    ini.WriteString("Game", "Intai", s.Intai);
    ini.WriteString("Game", "Osyoshin", s.Osyoshin);
    ini.WriteString("Game", "Ysyoshin", s.Ysyoshin);
    ini.WriteString("Game", "Kanraku", s.Kanraku);
    ini.WriteInteger("Game", "MyP", s.MyP);
    ini.WriteInteger("Game", "Omake", s.Omake);
}

void ReadLeague(GameState& s, const IniFile& ini) {
    for (int i = 1; i <= kJuryo; ++i) s.Juryo[i] = ini.ReadString("Wres", JuryoKey(i), "");
    for (int slot = 1; slot <= kSlots; ++slot) {
        const std::string section = IntToStr(slot);
        for (const SlotIntegerField& field : kSlotIntegerFields)
            (s.*field.values)[slot] = ini.ReadInteger(section, field.name, kMissingInteger);
        for (const SlotStringField& field : kSlotStringFields)
            (s.*field.values)[slot] = ini.ReadString(section, field.name, "");
    }
}

bool ReadSeason(GameState& s, const IniFile& ini) {
    s.PlayersWres = ini.ReadString("Game", "PlayersWres", "");
    s.Torikumiday = ini.ReadInteger("Game", "Torikumiday", kMissingInteger);
    s.Nengo = ini.ReadInteger("Game", "Nengo", kMissingInteger);
    s.Basyo6 = ini.ReadInteger("Game", "Basyo6", kMissingInteger);
    s.LastWin = ini.ReadInteger("Game", "LastWin", kMissingInteger);
    s.Intai = ini.ReadString("Game", "Intai", "");
    s.Osyoshin = ini.ReadString("Game", "Osyoshin", "");
    s.Ysyoshin = ini.ReadString("Game", "Ysyoshin", "");
    s.Kanraku = ini.ReadString("Game", "Kanraku", "");
    s.MyP = ini.ReadInteger("Game", "MyP", kMissingInteger);
    const bool practice = ini.ReadInteger("Game", "Omake", kMissingInteger) == kPracticeLevel;
    s.Omake = practice ? kPracticeLevel : 0;
    return practice;
}

}  // namespace

// The whole file is composed in memory and replaces the old one in one step:
// a save that fails leaves the last save whole.
void SaveGame(const GameState& s) {
    ComposeSavedGame(s).Flush();
}

IniFile ComposeSavedGame(const GameState& s) {
    const std::string path = GameFolderPath(kSavedGameFile);
    std::optional<IniFile> ini;
    try {
        ini.emplace(path);
    } catch (const InOutError&) {
        throw IniWriteError(path);  // we could not keep what the file holds
    }
    WriteLeague(s, *ini);
    WriteSeason(s, *ini);
    return std::move(*ini);
}

bool ReadSavedGame(GameState& s) {
    // A second basho cannot start inside the one that runs.
    if (s.BashoRunning)
        throw GameError(wd<"対戦中はゲームを再開できません">);
    const std::string path = GameFolderPath(kSavedGameFile);
    const IniFile ini(path);
    // Without a saved game there is nothing to resume: the career that runs stays.
    if (!ini.existed())
        throw InOutError(2, path, ENOENT);
    ReadLeague(s, ini);
    return ReadSeason(s, ini);
}

std::string TakeUpSavedGame(GameState& s) {
    LoadMatchTable(s);
    s.RosterLoaded = 1;
    s.PlayerRetired = 0;
    return sj<"得点 : "> + IntToStr(s.MyP);
}

ResumedGame LoadGame(GameState& s) {
    ResumedGame resumed;
    resumed.practice = ReadSavedGame(s);
    resumed.score = TakeUpSavedGame(s);
    return resumed;
}

SavedGameGlance GlanceAtSavedGame() {
    SavedGameGlance glance;
    const std::string path = GameFolderPath(kSavedGameFile);
    std::error_code error;
    glance.exists = std::filesystem::exists(path, error);
    if (!glance.exists)
        return glance;
    try {
        const IniFile ini(path);
        const int32_t basyo6 = ini.ReadInteger("Game", "Basyo6", kMissingInteger);
        const int32_t nengo = ini.ReadInteger("Game", "Nengo", kMissingInteger);
        if (basyo6 < 0 || basyo6 > 5 || nengo < 0)
            return glance;
        for (int slot = 1; slot <= kSlots; ++slot) {
            const std::string section = IntToStr(slot);
            if (ini.ReadInteger(section, "Age", kMissingInteger) <= 100)
                continue;
            const std::string stage = ini.ReadString(section, "Stage", "");
            const std::string shikona = DisplayName(ini.ReadString(section, "NameOfWres", ""));
            const std::string_view rank = RankWord(RankCode(stage));
            if (rank.empty() || shikona.empty())
                return glance;
            glance.shikona = shikona;
            glance.rank = rank;
            glance.nengo = nengo;
            glance.month = 2 * basyo6 + 1;
            return glance;
        }
    } catch (const GameError&) {
        // Unreadable: the button without the details.
    }
    return glance;
}

}  // namespace kelmar
