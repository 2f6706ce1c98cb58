// Writes the game's CP932 tables from the C library's converter: what every
// one-byte and two-byte sequence decodes to, and what every Unicode scalar
// value encodes to. Run once where the C library knows CP932 (glibc); the
// tables are committed, so that every build, with any C library, converts the
// game's strings to the same bytes.
//
//     make_cp932_tables state/cp932_tables.h state/cp932_decoding.cpp
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "make_cp932_tables: iconv cannot convert %s to %s\n", from, to);
            std::exit(1);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The first unit of `in` converted alone, with how many bytes of `in` it
    // took; nothing when the converter refuses it.
    std::optional<std::pair<std::string, size_t>> First(const std::string& in, size_t outRoom) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        std::string out(outRoom, '\0');
        char* dst = out.data();
        size_t dstLeft = out.size();
        const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        if (r == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
        if (srcLeft == in.size())
            return std::nullopt;
        // Whatever a reset still owes (a shift state) belongs to the unit.
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.resize(out.size() - dstLeft);
        return std::make_pair(out, in.size() - srcLeft);
    }

  private:
    iconv_t cd_;
};

uint32_t ReadUtf32(const std::string& bytes) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[size_t(i)]);
    return value;
}

std::string Utf32(uint32_t cp) {
    std::string bytes(4, '\0');
    for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(cp >> (8 * i) & 0xFF);
    return bytes;
}

std::string Hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

constexpr int kFirstLead = 0x81;
constexpr int kLastLead = 0xFC;
constexpr uint16_t kNone = 0xFFFF;     // U+FFFF is not a character of CP932
constexpr uint16_t kDropped = 0xFFFF;  // nor 0xFF 0xFF a sequence of it

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cp932_tables TABLES_H DECODING_CPP\n");
        return 2;
    }
    Converter decoder("UTF-32LE", "CP932");
    Converter encoder("CP932", "UTF-32LE");

    std::vector<uint16_t> single(256, kNone);
    for (int b = 0; b < 256; ++b) {
        const auto unit = decoder.First(std::string(1, char(b)), 4);
        if (unit && unit->second == 1 && unit->first.size() == 4)
            single[size_t(b)] = static_cast<uint16_t>(ReadUtf32(unit->first));
    }
    std::vector<uint16_t> pairs(size_t(kLastLead - kFirstLead + 1) * 256, kNone);
    for (int lead = kFirstLead; lead <= kLastLead; ++lead)
        for (int trail = 0; trail < 256; ++trail) {
            const auto unit = decoder.First(std::string{char(lead), char(trail)}, 4);
            if (unit && unit->second == 2 && unit->first.size() == 4) {
                const uint32_t cp = ReadUtf32(unit->first);
                if (cp >= 0x10000) {
                    std::fprintf(stderr, "make_cp932_tables: %02X %02X beyond the BMP\n", lead,
                                 trail);
                    return 1;
                }
                pairs[size_t(lead - kFirstLead) * 256 + size_t(trail)] = uint16_t(cp);
            }
        }

    std::vector<std::pair<uint32_t, uint16_t>> encoding;
    for (uint32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const auto unit = encoder.First(Utf32(cp), 8);
        if (!unit || unit->second != 4 || unit->first.size() > 2)
            continue;
        if (unit->first.empty()) {
            encoding.emplace_back(cp, kDropped);
            continue;
        }
        uint16_t code = static_cast<unsigned char>(unit->first[0]);
        if (unit->first.size() == 2)
            code = uint16_t(code << 8 | static_cast<unsigned char>(unit->first[1]));
        encoding.emplace_back(cp, code);
    }

    std::ofstream tables(argv[1], std::ios::binary);
    tables << "// CP932 as the C library's converter encodes it, made by tools/cp932 and\n"
              "// committed: every Unicode scalar value that CP932 holds, in order, with its\n"
              "// bytes (one byte below 0x100; kDropped for a character the converter\n"
              "// drops without a trace). Do not edit; run scripts/make-cp932-tables.\n"
              "// clang-format off\n"
              "#pragma once\n\n#include <cstdint>\n\nnamespace kelmar::cp932 {\n\n"
              "struct Encoding {\n    char32_t codePoint;\n    uint16_t bytes;\n};\n"
              "inline constexpr uint16_t kDropped = 0xFFFF;\n\n"
              "inline constexpr Encoding kEncoding[] = {\n";
    for (size_t i = 0; i < encoding.size(); ++i)
        tables << "{" << Hex(encoding[i].first, 4) << "," << Hex(encoding[i].second, 2) << "},"
               << (i % 6 == 5 ? "\n" : "");
    tables << "\n};\n\n"
              "// What the two-byte sequences decode to, by lead byte 0x81..0xFC and trail\n"
              "// byte, and the one-byte ones; U+FFFF where a sequence is not CP932.\n"
              "inline constexpr int kFirstLead = "
           << Hex(kFirstLead, 2) << ";\ninline constexpr int kLastLead = " << Hex(kLastLead, 2)
           << ";\ninline constexpr char16_t kNone = 0xFFFF;\n"
              "extern const char16_t kSingle[256];\n"
              "extern const char16_t kPairs[kLastLead - kFirstLead + 1][256];\n\n"
              "}  // namespace kelmar::cp932\n";

    std::ofstream decoding(argv[2], std::ios::binary);
    decoding << "// CP932 as the C library's converter decodes it, made by tools/cp932 and\n"
                "// committed. Do not edit; run scripts/make-cp932-tables.\n"
                "// clang-format off\n"
                "#include \"state/cp932_tables.h\"\n\nnamespace kelmar::cp932 {\n\n"
                "const char16_t kSingle[256] = {\n";
    for (int b = 0; b < 256; ++b)
        decoding << Hex(single[size_t(b)], 4) << "," << (b % 12 == 11 ? "\n" : "");
    decoding << "\n};\n\nconst char16_t kPairs[kLastLead - kFirstLead + 1][256] = {\n";
    for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
        decoding << "{ // " << Hex(uint32_t(lead), 2) << "\n";
        for (int trail = 0; trail < 256; ++trail)
            decoding << Hex(pairs[size_t(lead - kFirstLead) * 256 + size_t(trail)], 4) << ","
                     << (trail % 12 == 11 ? "\n" : "");
        decoding << "\n},\n";
    }
    decoding << "};\n\n}  // namespace kelmar::cp932\n";
    if (!tables || !decoding) {
        std::fprintf(stderr, "make_cp932_tables: the tables could not be written\n");
        return 1;
    }
    std::printf("%zu code points encode; tables written\n", encoding.size());
    return 0;
}
