// The career record fed from the game's moments: a Frontend that hands every
// moment on to the real one (the windows, or the simulator's player) and
// tells the record what the moment says about the player's career.
#pragma once

#include <memory>

#include "game/game.h"
#include "record/career_record.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// Saves the game to "Kelmar.ini" with the record told first: the save's
// fingerprint is committed before the file is written, so that a game killed
// at any moment of the save resumes its career from whichever file it finds.
// Without a record, SaveGame alone. Raises what SaveGame raises.
void SaveGameAndRecord(const GameState& state, CareerRecord* record);

class RecordingFrontend : public ForwardingFrontend {
  public:
    RecordingFrontend(Frontend& inner, const GameState& state, CareerRecord& record)
        : ForwardingFrontend(inner), state_(state), record_(record) {}

    // Moments that carry the record; the others are handed on as they are.
    void ShowNewspaper(const std::string& page) override;
    void BoutFought(const BoutOutcome& outcome) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;

  private:
    const GameState& state_;
    CareerRecord& record_;
};

// The career record as the commands' log: told of New game, the resume and
// the save, and fed from every basho through a RecordingFrontend.
class RecordLog : public CareerLog {
  public:
    RecordLog(const GameState& state, CareerRecord& record) : state_(state), record_(record) {}

    void NewGame() override { record_.NewGame(); }
    void Resuming() override;
    // The save's fingerprint is committed before the file is written, so
    // that a game killed at any moment of the save resumes its career from
    // whichever file it finds.
    void Saving(std::string_view savedGame) override { record_.Saved(FingerprintOf(savedGame)); }
    Frontend& Through(Frontend& face) override;

  private:
    const GameState& state_;
    CareerRecord& record_;
    Frontend* face_ = nullptr;
    std::unique_ptr<RecordingFrontend> through_;
};

}  // namespace kelmar
