// The career record of the page: Kelmar.db in the game folder, kept by the
// desktop's own record (record/) and SQLite compiled into the page, and told
// to the page after every write, so that the browser keeps the store's bytes
// at once (web/record_store.mjs). The page calls its own functions through
// web/record_bindings.cpp.
#pragma once

#include <memory>

#include "game/game.h"
#include "record/career_record.h"
#include "record/recording_frontend.h"

namespace kelmar::web {

// The moments that follow the record's writes, handed on to the page's face:
// the record has committed when the newspaper opens a basho (a crown, a
// resumed line copied), when the basho ends and when the career's report
// shows; the page is told then. The end of the career is told too.
class AfterRecordFrontend : public Frontend {
  public:
    explicit AfterRecordFrontend(Frontend& inner) : inner_(inner) {}

    void ShowNewspaper(const std::string& page) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;
    void CareerEnds(const GameState& state) override;

    bool Watched() const override { return inner_.Watched(); }
    void Show(const MainView& view) override { inner_.Show(view); }
    void DayBegins(const DayCard& card) override { inner_.DayBegins(card); }
    void BoutBegins(const BoutStart& bout) override { inner_.BoutBegins(bout); }
    int32_t AskTactic(const TacticQuestion& question) override {
        return inner_.AskTactic(question);
    }
    void ShowOpponentReport(const ReportLines& lines) override { inner_.ShowOpponentReport(lines); }
    void BoutFought(const BoutOutcome& outcome) override { inner_.BoutFought(outcome); }
    void Paused() override { inner_.Paused(); }
    void DayEnds() override { inner_.DayEnds(); }
    void ShowDailyChart(const DailyChart& chart) override { inner_.ShowDailyChart(chart); }
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override {
        return inner_.AskName(caption, prompt, preset);
    }

  private:
    Frontend& inner_;
};

// The record as the page's commands' log: the desktop's RecordLog, with the
// page told of a career that begins and of the record's writes.
class PageRecordLog : public CareerLog {
  public:
    PageRecordLog(const GameState& state, CareerRecord& record) : record_(state, record) {}

    void NewGame() override;
    void Resuming() override;
    void Saving(std::string_view savedGame) override;
    Frontend& Through(Frontend& face) override;

  private:
    RecordLog record_;
    std::unique_ptr<AfterRecordFrontend> after_;
    Frontend* face_ = nullptr;
};

// The store's file in the game folder.
inline constexpr const char* kRecordFile = "Kelmar.db";

// The page's record, made for the game at its start and made anew over a
// store the player imported.
CareerRecord& PageRecord();
void AttachRecord(Game& game, const GameState& state);
void ReopenRecord();

// The record has written: the page keeps the store's bytes.
void RecordWritten();

}  // namespace kelmar::web
