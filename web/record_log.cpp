#include "web/record_log.h"

#include <emscripten.h>
#include <sys/stat.h>

#include "web/page_frontend.h"

namespace kelmar::web {

namespace {

// clang-format off
EM_JS(void, JsRecordWritten, (), {
    Module.record.written();
});
EM_JS(void, JsCareerBegins, (), {
    Module.record.careerBegins();
});
EM_JS(void, JsCareerEnds, (double career), {
    Module.record.careerEnds(career);
});
// clang-format on

struct Record {
    Game* game = nullptr;
    const GameState* state = nullptr;
    std::unique_ptr<CareerRecord> record;
    std::unique_ptr<PageRecordLog> log;
    // The store's time of change when the page was last told of it.
    int64_t toldAt = -1;
};

Record& TheRecord() {
    static Record record;
    return record;
}

int64_t ChangedAt() {
    struct stat file {};
    if (::stat(kRecordFile, &file) != 0)
        return -1;
    return static_cast<int64_t>(file.st_mtim.tv_sec) * 1000000000 + file.st_mtim.tv_nsec;
}

// The record in the page's journal: the page alone holds the store, in a
// folder of its memory that has no shared memory for WAL. A store it cannot
// use is reported once in the game's message box; the game plays on.
void MakeRecord() {
    Record& r = TheRecord();
    r.game->SetLog(nullptr);
    r.log.reset();
    r.record = std::make_unique<CareerRecord>(kRecordFile, StoreJournal::Exclusive);
    r.record->SetFailureHandler([](const std::string& path, const RecordError& error) {
        ShowError("力士の記録 " + path + " を開けないか、書き込めません。\n" + error.what() +
                  "\n記録をとらずにゲームを続けます。");
    });
    r.log = std::make_unique<PageRecordLog>(*r.state, *r.record);
    r.game->SetLog(r.log.get());
}

}  // namespace

void RecordWritten() {
    TheRecord().toldAt = ChangedAt();
    JsRecordWritten();
}

CareerRecord& PageRecord() {
    return *TheRecord().record;
}

void AttachRecord(Game& game, const GameState& state) {
    TheRecord().game = &game;
    TheRecord().state = &state;
    MakeRecord();
}

void ReopenRecord() {
    MakeRecord();
}

void AfterRecordFrontend::ShowNewspaper(const std::string& page) {
    if (ChangedAt() != TheRecord().toldAt)
        RecordWritten();
    inner().ShowNewspaper(page);
}

void AfterRecordFrontend::BashoEnds(int32_t score) {
    RecordWritten();
    inner().BashoEnds(score);
}

void AfterRecordFrontend::ShowCareerReport(const ReportLines& lines) {
    RecordWritten();
    inner().ShowCareerReport(lines);
}

void AfterRecordFrontend::CareerEnds(const GameState& state) {
    inner().CareerEnds(state);
    const auto retired = PageRecord().LastRetired();
    JsCareerEnds(retired ? static_cast<double>(*retired) : 0.0);
}

void PageRecordLog::NewGame() {
    record_.NewGame();
    JsCareerBegins();
}

void PageRecordLog::Resuming() {
    record_.Resuming();
    JsCareerBegins();
}

void PageRecordLog::Saving(std::string_view savedGame) {
    record_.Saving(savedGame);
    RecordWritten();
}

Frontend& PageRecordLog::Through(Frontend& face) {
    if (after_ == nullptr || face_ != &face) {
        after_ = std::make_unique<AfterRecordFrontend>(face);
        face_ = &face;
    }
    return record_.Through(*after_);
}

}  // namespace kelmar::web
