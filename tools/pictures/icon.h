// The application icon: a rikishi standing in the ring, 256 x 256.
#pragma once

#include <QImage>

namespace kelmar::pictures {

inline constexpr int kIconSize = 256;

QImage DrawIcon();

}  // namespace kelmar::pictures
