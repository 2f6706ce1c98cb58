#include "shipped_folder.h"

#include <gtest/gtest.h>

#include <memory>

#include "state/roster.h"
#include "state/strings.h"
#include "support/game_folder.h"

namespace kelmar::testing {
namespace {

class ShippedFolder : public ::testing::Environment {
  public:
    void SetUp() override {
        folder_ = std::make_unique<GameFolder>();
        folder_->CopyAllData();
    }
    void TearDown() override { folder_.reset(); }

  private:
    std::unique_ptr<GameFolder> folder_;
};

[[maybe_unused]] ::testing::Environment* const kShippedFolder =
    ::testing::AddGlobalTestEnvironment(new ShippedFolder);

}  // namespace

std::vector<std::string> ShippedRosterNames() {
    GameState s;
    LoadRoster(s);
    std::vector<std::string> names;
    for (int slot = 1; slot <= kRosterSlots; ++slot)
        names.push_back(DisplayName(s.NameOfWres[slot]));
    return names;
}

std::vector<std::string> ShippedJuryoNames() {
    GameState s;
    return LoadJuryoNames(s);
}

GameState LeagueOfShippedNames() {
    GameState s;
    LoadRoster(s);
    LoadJuryoNames(s);
    s.NameOfWres[kSlots] = s.Juryo[1];
    for (int slot = 1; slot <= kSlots; ++slot) {
        const int rank = slot <= 2 ? 1 : slot <= 5 ? 2 : slot <= 7 ? 3 : slot <= 9 ? 4 : 5;
        s.Stage[slot] = IntToStr(rank);
        s.Saiko[slot] = s.Stage[slot];
        s.Age[slot] = 25;
        s.Zaii[slot] = 5;
        s.E[slot] = 5;
        s.W[slot] = 8;
        s.L[slot] = 8;
        s.LB[slot] = 8;
    }
    s.LastWin = 1;
    return s;
}

}  // namespace kelmar::testing
