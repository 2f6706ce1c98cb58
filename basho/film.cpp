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
    auto letter = [&](size_t i) { return i < s.AnimationFrames.size() ? s.AnimationFrames[i] : 0; };
    switch (s.AnimationStep) {
        case 1:
        case 2:
            action.letter = letter(0);
            break;
        case 3:
            action.letter = letter(1);
            break;
        case 4:
        case 6:
            action.letter = letter(2);
            break;
        case 7:
            action.hide = true;
            s.AnimationRunning = 0;
            s.AnimationStep = 0;
            break;
        default:
            break;
    }
    return action;
}

std::string TogglePause(GameState& s) {
    s.Paused = s.Paused ? 0 : 1;
    return s.Paused ? "再開" : "停止";
}

}  // namespace kelmar
