// The board and the chart of the first day of a new career, composed by
// canvas/ as both frontends compose them, as digests: the page's browser test
// compares its canvases with them (tests/web/play_test.py).
//
// usage: board_digest PICK CLOCK_START CLOCK_STEP [LANGUAGE]   (in a folder
// of the data files and pictures). Prints "board HASH" (the board at the
// first wait of the first day: the day card and the lamps of bout 1) and
// "chart HASH" (the first evening's chart, 425 x 321, the player choosing 1
// in every bout, from the sheet of LANGUAGE, "ja" unless given), FNV-1a of
// the R, G, B bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "basho/new_career.h"
#include "canvas/chart.h"
#include "canvas/picture.h"
#include "canvas/scoreboard.h"
#include "lang/language.h"
#include "lang/pictures.h"
#include "state/frontend.h"
#include "state/stepped_clock.h"

namespace {

uint32_t Digest(kelmar::canvas::ConstView picture) {
    uint32_t h = 0x811c9dc5;
    const std::vector<uint8_t> rgba = kelmar::canvas::RgbaBytes(picture);
    for (size_t i = 0; i < rgba.size(); i += 4)
        for (size_t c = 0; c < 3; ++c) h = (h ^ rgba[i + c]) * 0x01000193u;
    return h;
}

struct Done {};

class FirstDay : public kelmar::HeadlessFrontend {
  public:
    explicit FirstDay(kelmar::Language language) : language_(language) {}
    bool Watched() const override { return true; }
    void DayBegins(const kelmar::DayCard& card) override {
        kelmar::canvas::DrawBoutCard(card, board_);
        pictures_ =
            std::make_unique<kelmar::canvas::DayPictures>(kelmar::canvas::DayPictures::Load());
    }
    void BoutBegins(const kelmar::BoutStart& bout) override {
        pictures_->LightLamps(board_, bout.column);
        if (!boardShown_) {
            boardShown_ = true;
            std::printf("board %08x\n", static_cast<unsigned>(Digest(board_)));
        }
    }
    // The browser test's player: 突き放し (1) in every bout.
    int32_t AskTactic(const kelmar::TacticQuestion&) override { return 1; }
    void BoutFought(const kelmar::BoutOutcome& outcome) override {
        if (outcome.film != nullptr)
            pictures_->DrawTechnique(board_, outcome.column, outcome.winnerTactic);
        pictures_->PutOutLamp(board_, outcome.column, outcome.Loser());
    }
    void ShowDailyChart(const kelmar::DailyChart& chart) override {
        kelmar::canvas::Picture image(425, 321);
        kelmar::canvas::DrawChart(chart.rows, image, kelmar::SheetFileIn(language_));
        std::printf("chart %08x\n", static_cast<unsigned>(Digest(image)));
        throw Done{};
    }

  private:
    kelmar::Language language_;
    kelmar::canvas::Picture board_{425, 161};
    std::unique_ptr<kelmar::canvas::DayPictures> pictures_;
    bool boardShown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const std::optional<kelmar::Language> language =
        kelmar::LanguageOfCode(argc == 5 ? argv[4] : "ja");
    if ((argc != 4 && argc != 5) || !language) {
        std::fprintf(stderr, "usage: board_digest PICK CLOCK_START CLOCK_STEP [LANGUAGE]\n");
        return 2;
    }
    kelmar::GameState state;
    kelmar::SteppedClock clock(std::atoll(argv[2]), std::atoll(argv[3]));
    FirstDay frontend(*language);
    try {
        kelmar::NewGame(state);
        kelmar::PickJuryo(state, std::atoi(argv[1]), clock);
        kelmar::ConfirmCareer(state, frontend, clock);
    } catch (const Done&) {
        return 0;
    }
    std::fprintf(stderr, "board_digest: the first evening's chart never came\n");
    return 1;
}
