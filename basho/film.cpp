#include "basho/procedures.h"

namespace kelmar {

FilmAction FilmTick(GameState& s) {
    FilmAction action;
    if (s.QuitRequested) {
        s.AnimationRunning = 0;
        return action;
    }
    // A pause between two bouts shows nothing: only a running film steps.
    if (!(s.AnimationRunning == 1 && s.Paused == 0))
        return action;
    action.show = true;
    s.AnimationStep += 1;
    const int32_t step = s.AnimationStep;
    if (step >= 1 && step < kFilmTicks) {
        const int frame = kFilmFrames[static_cast<size_t>(step - 1)];
        if (frame != kFilmKeepsItsPicture && static_cast<size_t>(frame) < s.AnimationFrames.size())
            action.letter = s.AnimationFrames[static_cast<size_t>(frame)];
    } else if (step == kFilmTicks) {
        action.hide = true;
        s.AnimationRunning = 0;
        s.AnimationStep = 0;
    }
    return action;
}

std::string TogglePause(GameState& s) {
    s.Paused = s.Paused ? 0 : 1;
    return s.Paused ? "再開" : "停止";
}

}  // namespace kelmar
