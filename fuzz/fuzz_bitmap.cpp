#include <cstdint>
#include <string_view>

#include "canvas/bitmap.h"

// Any bytes end in a picture whose every pixel can be read and copied, or in
// no picture; a picture is never larger than the file could describe.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto picture = kelmar::canvas::DecodeBitmap(bytes);
    if (!picture)
        return 0;
    if (picture->width() < 1 || picture->height() < 1 ||
        static_cast<size_t>(picture->width()) * static_cast<size_t>(picture->height()) > size * 8)
        __builtin_trap();
    kelmar::canvas::Picture target(20, 20);
    kelmar::canvas::CopyRect(target, kelmar::canvas::Rect(-3, -3, 25, 17), *picture,
                             picture->view().Bounds());
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if ((target.At(x, y) & kelmar::canvas::kOpaque) != kelmar::canvas::kOpaque)
                __builtin_trap();
    return 0;
}
