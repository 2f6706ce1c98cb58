// The application icon: a rikishi standing in the ring, drawn at 256 x 256
// and at any size the page's manifest names.
#pragma once

#include <QImage>

namespace kelmar::pictures {

inline constexpr int kIconSize = 256;

// The tile: rounded, rimmed in gold, transparent at its corners. The
// maskable icon fills its whole square and keeps the rikishi and the ring
// inside the middle circle that every launcher's mask leaves (80% wide).
enum class IconShape { Tile, Maskable };

QImage DrawIcon(int size = kIconSize, IconShape shape = IconShape::Tile);

}  // namespace kelmar::pictures
