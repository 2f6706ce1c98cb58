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
class AfterRecordFrontend : public ForwardingFrontend {
  public:
    explicit AfterRecordFrontend(Frontend& inner) : ForwardingFrontend(inner) {}

    void ShowNewspaper(const std::string& page) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;
    void CareerEnds(const GameState& state) override;
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
