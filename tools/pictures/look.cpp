#include "pictures/look.h"

#include <iterator>

#include "pictures/palette.h"

namespace kelmar::pictures {

Look LookFor(int n) {
    const int i = n - 1;
    constexpr int kColours = static_cast<int>(std::size(palette::kMawashi));
    constexpr int kSkins = static_cast<int>(std::size(palette::kSkins));
    constexpr double kGirths[] = {0.15, 0.85, 0.5, 1.0, 0.3, 0.7};
    Look look;
    // Twelve colours run along the numbers; each round of twelve shifts the
    // skin and the build, so no two of the first 58 share all three.
    look.mawashi = palette::kMawashi[i % kColours];
    look.skin = palette::kSkins[(i + i / kColours * 2) % kSkins];
    look.girth = kGirths[(i * 5 + i / kColours) % 6];
    look.topknot = static_cast<Topknot>((i / 2 + i) % 3);
    look.hair = (i % 4 == 3) ? QColor(48, 34, 26) : palette::kHair;
    look.heavyBrows = (i * 7) % 3 == 0;
    look.sideburns = (i * 3 + 1) % 5 < 2;
    look.kneeTape = i % 7 == 2 || i % 11 == 5;
    return look;
}

}  // namespace kelmar::pictures
