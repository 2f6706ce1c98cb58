#include "state/game_state.h"

#include "state/strings.h"

namespace kelmar {

void ThrowOutOfRange(int64_t index, int first, int last) {
    throw RangeError("番号 " + IntToStr(index) + " は範囲外です (" + IntToStr(first) + ".." +
                     IntToStr(last) + ")");
}

}  // namespace kelmar
