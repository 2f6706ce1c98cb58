// The whole game in one object: the league of 32 rikishi as parallel arrays
// indexed by slot 1..32, the juryo pool, the pairing lines, the season, the
// flags of the running basho and the top-ten table. Everything is zero or
// empty at start.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "state/errors.h"
#include "state/random.h"

namespace kelmar {

inline constexpr int kSlots = 32;
inline constexpr int kDays = 15;
inline constexpr int kJuryo = 27;
inline constexpr int kPlaces = 10;
inline constexpr int kRosterSlots = 31;
inline constexpr int kPlayerEntrySlot = 32;
// The player's rikishi is marked by his age: 100 is added to it.
inline constexpr int32_t kPlayerAgeMark = 100;

[[noreturn]] void ThrowOutOfRange(int64_t index, int first, int last);

// An array indexed First..Last, as the game counts. An index outside the range
// raises RangeError instead of reaching past the array.
template <typename T, int First, int Last>
class IndexedArray {
  public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator[](int64_t i) { return values_[Offset(i)]; }
    const T& operator[](int64_t i) const { return values_[Offset(i)]; }

    void fill(const T& value) { values_.fill(value); }
    bool operator==(const IndexedArray&) const = default;

  private:
    // One unsigned comparison covers both ends: an index below First wraps
    // round to a huge offset.
    static size_t Offset(int64_t i) {
        const uint64_t offset = static_cast<uint64_t>(i) - static_cast<uint64_t>(First);
        if (offset > uint64_t{Last - First}) [[unlikely]]
            ThrowOutOfRange(i, First, Last);
        return static_cast<size_t>(offset);
    }
    std::array<T, Last - First + 1> values_{};
};

template <typename T>
using SlotArray = IndexedArray<T, 1, kSlots>;

struct GameState {
    // Per-rikishi arrays, in declaration order.
    SlotArray<int32_t> Age;
    SlotArray<int32_t> Pw;
    SlotArray<int32_t> Sp;
    SlotArray<int32_t> Tc;
    SlotArray<int32_t> E;
    SlotArray<int32_t> LB;
    SlotArray<int32_t> L;
    SlotArray<int32_t> W;
    SlotArray<std::string> NameOfWres;
    SlotArray<std::string> Stage;
    SlotArray<int32_t> Pnt;
    SlotArray<std::string> Saiko;
    SlotArray<int32_t> Zaii;
    SlotArray<int32_t> Yusyo;
    SlotArray<int32_t> Twin;
    SlotArray<int32_t> Tlose;

    IndexedArray<std::string, 1, kJuryo> Juryo;
    IndexedArray<std::string, 1, kDays> Match;

    // Season variables kept by the saved game.
    std::string PlayersWres;
    int32_t Torikumiday = 0;
    int32_t Nengo = 0;
    int32_t Basyo6 = 0;
    int32_t LastWin = 0;
    std::string Intai;
    std::string Osyoshin;
    std::string Ysyoshin;
    std::string Kanraku;
    int32_t MyP = 0;
    int32_t Omake = 0;

    // Variables of the running program that the saved game does not keep.
    std::string JuryoDropList;
    uint8_t RosterLoaded = 0;
    int32_t PlayerIndex = 0;
    uint8_t PlayerRetired = 0;
    int32_t UnderdogBonus = 0;
    int32_t LeaderPenalty = 0;
    int32_t EastSlot = 0;
    int32_t WestSlot = 0;
    int32_t SelectedTactic = 0;
    std::string AnimationFrames;
    uint8_t AnimationRunning = 0;
    int32_t AnimationStep = 0;
    uint8_t Paused = 0;
    uint8_t QuitRequested = 0;
    // The animation switch K1: every bout with a film is filmed, not only the
    // player's. On when the program starts.
    bool AnimationSwitch = true;

    IndexedArray<std::string, 1, kPlaces> TopTenNames;
    IndexedArray<int32_t, 1, kPlaces> TopTenScores;

    // The one generator of the program; its state is 0 at start.
    Random Rng;

    // Whether a basho is running (set by the driver while it runs). Not a
    // value of the rules: it lets us refuse a second basho inside one.
    bool BashoRunning = false;

    static bool IsPlayer(int32_t age) { return age > kPlayerAgeMark; }
    bool IsPlayerSlot(int slot) const { return IsPlayer(Age[slot]); }
};

// A rikishi's record: the sixteen fields of his slot, each named as the saved
// game names its entry, in the order a save writes them: the thirteen
// integers, then the three strings. Whatever moves or keeps a record goes
// through these two lists.
struct SlotIntegerField {
    const char* name;
    SlotArray<int32_t> GameState::*values;
};
struct SlotStringField {
    const char* name;
    SlotArray<std::string> GameState::*values;
};
inline constexpr SlotIntegerField kSlotIntegerFields[] = {
    {"Age", &GameState::Age},     {"Pw", &GameState::Pw},       {"Sp", &GameState::Sp},
    {"Tc", &GameState::Tc},       {"E", &GameState::E},         {"LB", &GameState::LB},
    {"L", &GameState::L},         {"W", &GameState::W},         {"Pnt", &GameState::Pnt},
    {"Zaii", &GameState::Zaii},   {"Yusyo", &GameState::Yusyo}, {"Twin", &GameState::Twin},
    {"Tlose", &GameState::Tlose},
};
inline constexpr SlotStringField kSlotStringFields[] = {
    {"NameOfWres", &GameState::NameOfWres},
    {"Stage", &GameState::Stage},
    {"Saiko", &GameState::Saiko},
};
inline constexpr int kRecordFields =
    static_cast<int>(std::size(kSlotIntegerFields) + std::size(kSlotStringFields));
static_assert(kRecordFields == 16, "a record holds sixteen fields");

// The whole records of slots a and b exchanged.
void ExchangeRecords(GameState& state, int a, int b);

}  // namespace kelmar
