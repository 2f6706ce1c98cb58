// The colours of every picture of the game: one palette, so that the sheet,
// the scoreboard pieces, the films and the icon belong together.
#pragma once

#include <QColor>

namespace kelmar::pictures {

namespace palette {

inline const QColor kInk{0, 0, 0};          // glyphs of the sheet: pure black
inline const QColor kPaper{255, 255, 255};  // the ground of the sheet and the scoreboard
inline const QColor kOutline{52, 34, 26};   // outlines of figures, dark brown
inline const QColor kHair{24, 22, 30};
inline const QColor kHairTie{236, 232, 220};  // the paper cord of the topknot
inline const QColor kTape{240, 240, 236};     // knee and elbow supporters
inline const QColor kMouth{150, 70, 60};

inline const QColor kClay{214, 176, 120};  // the dohyo's top
inline const QColor kClayLight{228, 196, 146};
inline const QColor kClayDark{158, 118, 76};  // its front face
inline const QColor kStraw{204, 184, 110};    // the tawara
inline const QColor kStrawDark{150, 130, 70};
inline const QColor kChalk{250, 248, 240};  // the shikiri lines
inline const QColor kBackdropTop{38, 26, 44};
inline const QColor kBackdropLow{74, 50, 40};
inline const QColor kCurtain{86, 46, 118};  // the purple drape under the roof
inline const QColor kCurtainFold{62, 30, 90};
inline const QColor kGold{212, 164, 40};
inline const QColor kGoldDark{150, 104, 20};

inline const QColor kLampLit{255, 150, 30};
inline const QColor kLampCore{255, 246, 190};
inline const QColor kLampRim{200, 70, 0};
inline const QColor kLampDark{58, 58, 66};
inline const QColor kBezel{70, 66, 74};

// Skin tones, light to dark.
inline const QColor kSkins[] = {
    {246, 210, 178}, {236, 190, 150}, {222, 170, 126}, {204, 148, 104}, {178, 122, 82},
};

// Mawashi colours.
inline const QColor kMawashi[] = {
    {31, 60, 136},  {178, 42, 42}, {106, 58, 154}, {43, 122, 61}, {212, 160, 23}, {42, 42, 48},
    {27, 138, 138}, {122, 74, 42}, {200, 90, 26},  {138, 31, 74}, {95, 111, 127}, {58, 143, 208},
};

// The three tactics' colours, used by the technique pictures: push, pull, throw.
inline const QColor kTactic[] = {{178, 42, 42}, {31, 60, 136}, {43, 122, 61}};

}  // namespace palette

// A colour darker or lighter by a factor, for shading.
inline QColor Shade(const QColor& c, int percent) {
    return percent >= 100 ? c.lighter(percent) : c.darker(10000 / percent);
}

}  // namespace kelmar::pictures
