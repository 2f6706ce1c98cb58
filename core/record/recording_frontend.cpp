#include "record/recording_frontend.h"

#include "state/encoding.h"
#include "state/rank.h"
#include "state/saved_game.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

// A slot's rank code 1..5, 0 for anything else.
int32_t RankOf(const GameState& s, int slot) {
    const int code = RankCode(s.Stage[slot]);
    return code <= kMaegashira ? code : 0;
}

std::string ShikonaOf(const GameState& s, int slot) {
    return ShiftJisToUtf8(DisplayName(s.NameOfWres[slot]));
}

}  // namespace

void SaveGameAndRecord(const GameState& state, CareerRecord* record) {
    const IniFile save = ComposeSavedGame(state);
    if (record != nullptr)
        record->Saved(FingerprintOf(save.Bytes()));
    save.Flush();
}

void RecordLog::Resuming() {
    if (const auto fingerprint = SavedGameFingerprint(GameFolderPath("Kelmar.ini")))
        record_.Resuming(*fingerprint);
}

Frontend& RecordLog::Through(Frontend& face) {
    if (through_ == nullptr || face_ != &face) {
        through_ = std::make_unique<RecordingFrontend>(face, state_, record_);
        face_ = &face;
    }
    return *through_;
}

// The newspaper opens the basho: the banzuke is rewritten, the player's slot
// is known and the champion of the basho before has just been named.
void RecordingFrontend::ShowNewspaper(const std::string& page) {
    const GameState& s = state_;
    const int p = s.PlayerIndex;
    BashoStart start;
    start.nengo = s.Nengo;
    start.month = 2 * s.Basyo6 + 1;
    start.slot = p;
    start.rank = RankOf(s, p);
    start.shikona = ShikonaOf(s, p);
    start.crowned = s.LastWin == p;
    start.careerWins = s.Twin[p];
    start.careerLosses = s.Tlose[p];
    start.score = s.MyP;
    record_.BeginBasho(start);
    inner().ShowNewspaper(page);
}

void RecordingFrontend::BoutFought(const BoutOutcome& outcome) {
    const GameState& s = state_;
    const bool playerEast = s.IsPlayerSlot(outcome.eastSlot);
    if (playerEast || s.IsPlayerSlot(outcome.westSlot)) {
        const int opponent = playerEast ? outcome.westSlot : outcome.eastSlot;
        BoutEntry entry;
        entry.day = s.Torikumiday;
        entry.opponent = ShikonaOf(s, opponent);
        entry.opponentSlot = opponent;
        entry.opponentRank = RankOf(s, opponent);
        entry.won = (outcome.winner == Side::East) == playerEast;
        entry.tactic = playerEast ? outcome.eastTactic : outcome.westTactic;
        entry.opponentTactic = playerEast ? outcome.westTactic : outcome.eastTactic;
        record_.AddBout(entry);
    }
    inner().BoutFought(outcome);
}

// A basho cut short by quitting is not kept: only whole basho are written.
void RecordingFrontend::BashoEnds(int32_t score) {
    const GameState& s = state_;
    if (!s.QuitRequested) {
        const int p = s.PlayerIndex;
        record_.EndBasho(BashoEnd{s.Twin[p], s.Tlose[p], score});
    }
    inner().BashoEnds(score);
}

void RecordingFrontend::ShowCareerReport(const ReportLines& lines) {
    record_.Retire(state_.MyP);
    inner().ShowCareerReport(lines);
}

}  // namespace kelmar
