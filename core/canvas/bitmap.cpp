#include "canvas/bitmap.h"

#include <array>
#include <bit>

#include "state/encoding.h"
#include "state/errors.h"
#include "state/text_file.h"

namespace kelmar::canvas {

namespace {

constexpr int kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{1} << 22;  // 2048 x 2048: 16 MB of pixels
constexpr uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
constexpr size_t kFileHeader = 14;

class Bytes {
  public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    bool Has(size_t at, size_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }
    uint32_t U8(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    uint32_t U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    const unsigned char* At(size_t at) const {
        return reinterpret_cast<const unsigned char*>(bytes_.data()) + at;
    }

  private:
    std::string_view bytes_;
};

// One colour channel under a mask, widened to 8 bits as Windows bitmaps are
// commonly read: the value times 256 / (its largest value + 1).
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t scale = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        const uint64_t largest = uint64_t{mask >> shift};
        scale = static_cast<uint32_t>(256 / (largest + 1));
    }
    uint32_t Of(uint32_t value) const {
        return mask == 0 ? 0 : std::min<uint32_t>(((value & mask) >> shift) * scale, 255);
    }
};

struct Header {
    int width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kRgb;
    size_t paletteAt = 0, paletteEntry = 4, paletteSize = 0;
    std::array<uint32_t, 3> masks{};
};

std::optional<Header> ReadHeader(const Bytes& b) {
    if (!b.Has(0, kFileHeader + 4) || b.U16(0) != 0x4D42)  // "BM"
        return std::nullopt;
    const uint32_t size = b.U32(kFileHeader);
    if (!b.Has(kFileHeader, size))
        return std::nullopt;
    Header h;
    int64_t height = 0;
    uint32_t used = 0;
    if (size == 12) {
        h.width = static_cast<int>(b.U16(kFileHeader + 4));
        height = b.U16(kFileHeader + 6);
        h.bits = static_cast<int>(b.U16(kFileHeader + 10));
        h.paletteEntry = 3;
    } else if (size == 40 || size == 52 || size == 56 || size == 108 || size == 124) {
        h.width = b.I32(kFileHeader + 4);
        height = b.I32(kFileHeader + 8);
        h.bits = static_cast<int>(b.U16(kFileHeader + 14));
        h.compression = b.U32(kFileHeader + 16);
        used = b.U32(kFileHeader + 32);
    } else {
        return std::nullopt;
    }
    h.topDown = height < 0;
    if (h.width <= 0 || h.width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide)
        return std::nullopt;
    h.height = static_cast<int>(h.topDown ? -height : height);
    if (int64_t{h.width} * h.height > kMaxPixels)
        return std::nullopt;
    h.paletteAt = kFileHeader + size;
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        if (h.bits != 16 && h.bits != 32)
            return std::nullopt;
        // A 40-byte header is followed by the masks; the longer ones hold them.
        const size_t at = kFileHeader + 40;
        if (size == 40 && !b.Has(at, 12))
            return std::nullopt;
        h.masks = {b.U32(at), b.U32(at + 4), b.U32(at + 8)};
        if (size == 40)
            h.paletteAt += h.compression == kAlphaBitFields ? 16 : 12;
    } else if (h.compression != kRgb) {
        return std::nullopt;
    } else if (h.bits == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    }
    if (h.bits == 1 || h.bits == 4 || h.bits == 8) {
        const uint32_t most = 1u << h.bits;
        if (used > most)
            return std::nullopt;
        h.paletteSize = used == 0 ? most : used;
        if (!b.Has(h.paletteAt, h.paletteSize * h.paletteEntry))
            return std::nullopt;
    } else if (h.bits != 16 && h.bits != 24 && h.bits != 32) {
        return std::nullopt;
    }
    return h;
}

// The colour table, padded to 256 entries with black.
std::array<Pixel, 256> Palette(const Bytes& b, const Header& h) {
    std::array<Pixel, 256> colours;
    colours.fill(kOpaque);
    for (size_t i = 0; i < h.paletteSize; ++i) {
        const size_t at = h.paletteAt + i * h.paletteEntry;
        colours[i] = kOpaque | b.U8(at + 2) << 16 | b.U8(at + 1) << 8 | b.U8(at);
    }
    return colours;
}

// Appends one row of the file, starting at byte `at`, to `out`.
void DecodeRow(const Bytes& b, size_t at, const Header& h, const std::array<Pixel, 256>& colours,
               std::vector<Pixel>& out) {
    const int w = h.width;
    if (h.bits == 24) {
        const unsigned char* p = b.At(at);
        for (int x = 0; x < w; ++x, p += 3)
            out.push_back(kOpaque | Pixel{p[2]} << 16 | Pixel{p[1]} << 8 | p[0]);
    } else if (h.bits == 32 && h.compression == kRgb) {
        for (int x = 0; x < w; ++x, at += 4) out.push_back(kOpaque | (b.U32(at) & 0x00FFFFFF));
    } else if (h.bits >= 16) {
        const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
        const size_t step = static_cast<size_t>(h.bits / 8);
        for (int x = 0; x < w; ++x, at += step) {
            const uint32_t v = step == 2 ? b.U16(at) : b.U32(at);
            out.push_back(kOpaque | red.Of(v) << 16 | green.Of(v) << 8 | blue.Of(v));
        }
    } else {
        const int perByte = 8 / h.bits;
        const uint32_t mask = (1u << h.bits) - 1;
        for (int x = 0; x < w; ++x) {
            const uint32_t byte = b.U8(at + static_cast<size_t>(x / perByte));
            const int shift = 8 - h.bits * (x % perByte + 1);
            out.push_back(colours[(byte >> shift) & mask]);
        }
    }
}

}  // namespace

std::optional<Picture> DecodeBitmap(std::string_view bytes) {
    const Bytes b(bytes);
    const std::optional<Header> h = ReadHeader(b);
    if (!h)
        return std::nullopt;
    const size_t offset = b.U32(10);
    const size_t stride =
        (static_cast<size_t>(h->width) * static_cast<size_t>(h->bits) + 31) / 32 * 4;
    if (!b.Has(offset, stride * static_cast<size_t>(h->height)))
        return std::nullopt;
    const std::array<Pixel, 256> colours = Palette(b, *h);
    std::vector<Pixel> pixels;
    pixels.reserve(static_cast<size_t>(h->width) * static_cast<size_t>(h->height));
    for (int y = 0; y < h->height; ++y) {
        const int fileRow = h->topDown ? y : h->height - 1 - y;
        DecodeRow(b, offset + stride * static_cast<size_t>(fileRow), *h, colours, pixels);
    }
    return Picture(h->width, h->height, std::move(pixels));
}

Picture ReadPicture(const std::string& path) {
    std::optional<Picture> picture;
    int systemError = 0;
    try {
        picture = DecodeBitmap(ReadWholeFile(path));
    } catch (const InOutError& e) {
        systemError = e.systemError();
    }
    // The file name is UTF-8 on disk; the game's message is Shift-JIS.
    if (!picture)
        throw PictureError(Utf8ToShiftJis(path), path, systemError);
    return std::move(*picture);
}

Picture ReadGamePicture(std::string_view fileName) {
    return ReadPicture(GameFolderPath(fileName));
}

}  // namespace kelmar::canvas
