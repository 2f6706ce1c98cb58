#include "state/saved_game.h"

#include "state/errors.h"
#include "state/ini.h"
#include "state/roster.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr const char* kSavedGameFile = "Kelmar.ini";
constexpr int32_t kMissingInteger = -1;
constexpr int32_t kPracticeLevel = 10;

struct IntegerKey {
    const char* key;
    SlotArray<int32_t> GameState::*values;
};
struct StringKey {
    const char* key;
    SlotArray<std::string> GameState::*values;
};

// The entries of a rikishi's section, in the order a save writes them: the
// integers, then the strings.
constexpr IntegerKey kSlotIntegers[] = {
    {"Age", &GameState::Age},     {"Pw", &GameState::Pw},       {"Sp", &GameState::Sp},
    {"Tc", &GameState::Tc},       {"E", &GameState::E},         {"LB", &GameState::LB},
    {"L", &GameState::L},         {"W", &GameState::W},         {"Pnt", &GameState::Pnt},
    {"Zaii", &GameState::Zaii},   {"Yusyo", &GameState::Yusyo}, {"Twin", &GameState::Twin},
    {"Tlose", &GameState::Tlose},
};
constexpr StringKey kSlotStrings[] = {
    {"NameOfWres", &GameState::NameOfWres},
    {"Stage", &GameState::Stage},
    {"Saiko", &GameState::Saiko},
};

std::string JuryoKey(int i) {
    return "Juryo" + IntToStr(i);
}

void WriteLeague(const GameState& s, IniFile& ini) {
    for (int i = 1; i <= kJuryo; ++i) ini.WriteString("Wres", JuryoKey(i), s.Juryo[i]);
    for (int slot = 1; slot <= kSlots; ++slot) {
        const std::string section = IntToStr(slot);
        for (const IntegerKey& k : kSlotIntegers)
            ini.WriteInteger(section, k.key, (s.*k.values)[slot]);
        for (const StringKey& k : kSlotStrings)
            ini.WriteString(section, k.key, (s.*k.values)[slot]);
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
        for (const IntegerKey& k : kSlotIntegers)
            (s.*k.values)[slot] = ini.ReadInteger(section, k.key, kMissingInteger);
        for (const StringKey& k : kSlotStrings)
            (s.*k.values)[slot] = ini.ReadString(section, k.key, "");
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
    const std::string path = GameFolderPath(kSavedGameFile);
    std::optional<IniFile> ini;
    try {
        ini.emplace(path);
    } catch (const InOutError&) {
        throw IniWriteError(path);  // we could not keep what the file holds
    }
    WriteLeague(s, *ini);
    WriteSeason(s, *ini);
    ini->Flush();
}

bool ReadSavedGame(GameState& s) {
    // A second basho cannot start inside the one that runs.
    if (s.BashoRunning)
        throw GameError("対戦中はゲームを再開できません");
    const IniFile ini(GameFolderPath(kSavedGameFile));
    // Without a saved game there is nothing to resume: the career that runs stays.
    if (!ini.existed())
        throw InOutError(2);
    ReadLeague(s, ini);
    return ReadSeason(s, ini);
}

std::string TakeUpSavedGame(GameState& s) {
    LoadMatchTable(s);
    s.RosterLoaded = 1;
    s.PlayerRetired = 0;
    return "得点 : " + IntToStr(s.MyP);
}

ResumedGame LoadGame(GameState& s) {
    ResumedGame resumed;
    resumed.practice = ReadSavedGame(s);
    resumed.score = TakeUpSavedGame(s);
    return resumed;
}

}  // namespace kelmar
