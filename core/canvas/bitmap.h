// The game's picture files: uncompressed Windows bitmaps, as the picture
// generator writes them (24 bits a pixel, rows bottom up). Read without any
// toolkit, so that every frontend composes from the same pixels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "canvas/picture.h"

namespace kelmar::canvas {

// The bitmap in `bytes` as opaque pixels; nothing when the bytes are no
// bitmap this reader takes. It takes the file headers of every Windows
// version (12, 40, 52, 56, 108 or 124 bytes), rows bottom up or top down,
// 1, 4 or 8 bits a pixel with a colour table (an index beyond the table is
// black), 24 bits, and 16 or 32 bits uncompressed or with colour masks. It
// refuses run-length and embedded compressions, sides of 0 or above 16384
// pixels, more than 2048 x 2048 pixels in all (a bitmap of one bit a pixel
// would otherwise make a file of a few megabytes a gigabyte of pixels), and
// pixel data that end before the last row.
std::optional<Picture> DecodeBitmap(std::string_view bytes);

// Reads the bitmap file at `path` (UTF-8). Raises PictureError with the path,
// the game's "ﾌｧｲﾙ … は開けません", when the file is missing, unreadable or
// not a bitmap DecodeBitmap takes.
Picture ReadPicture(const std::string& path);

// A picture of the game folder by its file name (UTF-8), as ReadPicture.
Picture ReadGamePicture(std::string_view fileName);

}  // namespace kelmar::canvas
