#include "game/saved_game_trial.h"

#include <unistd.h>

#include <climits>
#include <vector>

#include "basho/procedures.h"
#include "state/errors.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/saved_game.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

namespace {

// The first bout decided: the trial has seen what it needs.
struct FirstBoutDecided {};

class TrialPlayer : public HeadlessFrontend {
  public:
    // Watched, so that the day's labels are built and refused as they are
    // when the player looks.
    void BoutFought(const BoutOutcome&) override { throw FirstBoutDecided{}; }
    // A career that ends at the assessment plays on: nothing is kept.
    void CareerEnds(const GameState&) override {}
};

struct NoonClock : Clock {
    int32_t MillisecondOfDay() override { return 43'200'000; }
};

// Into `folder` for as long as it lives, and back.
class InFolder {
  public:
    explicit InFolder(const std::string& folder) {
        std::vector<char> buffer(PATH_MAX + 1);
        if (::getcwd(buffer.data(), buffer.size()) != nullptr)
            previous_ = buffer.data();
        entered_ = !previous_.empty() && ::chdir(folder.c_str()) == 0;
    }
    ~InFolder() {
        if (entered_)
            static_cast<void>(::chdir(previous_.c_str()));
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    bool entered() const { return entered_; }

  private:
    std::string previous_;
    bool entered_ = false;
};

}  // namespace

std::optional<std::string> SavedGameRefusal(const std::string& folder) {
    const InFolder in(folder);
    if (!in.entered())
        return sj<"保存ファイルを試すフォルダーに入れません">;
    GameState scratch;
    TrialPlayer player;
    NoonClock clock;
    try {
        LoadGame(scratch);
        RunBasho(scratch, player, clock);
    } catch (const FirstBoutDecided&) {
        return std::nullopt;
    } catch (const GameError& e) {
        return std::string(e.what());
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    // A basho that ended before its first bout (a career ended at its
    // assessment) was played as far as it goes.
    return std::nullopt;
}

}  // namespace kelmar
