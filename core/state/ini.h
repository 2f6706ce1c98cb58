// The saved game's INI file, read and written in the syntax of the platform's
// profile functions: "[section]" lines, "key=value" entries, CR LF, section
// and key names matched without regard to letter case. The file is read once
// when the object is made; writes change the copy in memory, and Flush puts
// the whole file on disk in one step, so that a failure never leaves it half
// old and half new. Everything else a hand-made file holds (comments, blank
// lines, other sections and keys) is kept in its order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelmar {

class IniFile {
  public:
    // A value read is cut to this many bytes.
    static constexpr size_t kMaxValue = 1023;

    // Reads the file; a missing file is an empty one. Any other failure to
    // read raises InOutError, so that a save never replaces what it could not read.
    explicit IniFile(std::string path);
    // The same over bytes already in memory, as if the file held them.
    static IniFile FromBytes(std::string path, std::string_view bytes);

    bool existed() const { return existed_; }
    const std::string& path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // "0x" or "0X" and more: hexadecimal; else decimal with leading spaces and
    // a sign. Empty or invalid text gives the fallback.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);

    // The file as Flush puts it on disk: every line ended by CR LF.
    std::string Bytes() const;
    // Replaces the file with the copy in memory; raises IniWriteError.
    void Flush() const;

  private:
    IniFile() = default;
    struct Span {
        size_t header;  // index of the "[section]" line
        size_t end;     // one past the section's last line
    };
    std::optional<Span> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const Span& span, std::string_view key) const;

    std::string path_;
    bool existed_ = false;
    std::vector<std::string> lines_;
};

}  // namespace kelmar
