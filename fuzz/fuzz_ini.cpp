#include <cstdint>
#include <string>
#include <string_view>

#include "state/ini.h"
#include "state/strings.h"

namespace {

constexpr const char* kMissing = "<missing>";

// A value an entry line can hold whole: no line break, no blank at either end.
std::string EntryValue(std::string_view bytes) {
    std::string value;
    for (char c : bytes.substr(0, kelmar::IniFile::kMaxValue))
        if (c != '\r' && c != '\n')
            value += c;
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
    return value;
}

void ReadEverything(const kelmar::IniFile& ini) {
    for (const char* section : {"Wres", "1", "32", "Game"}) {
        for (const char* key : {"Juryo1", "Age", "NameOfWres", "Stage", "MyP", "Omake"}) {
            if (ini.ReadString(section, key, "").size() > kelmar::IniFile::kMaxValue)
                __builtin_trap();
            ini.ReadInteger(section, key, -1);
        }
    }
}

struct Written {
    const char* section;
    const char* key;
};
constexpr Written kWritten[] = {{"Game", "PlayersWres"}, {"7", "NameOfWres"}, {"New", "Entry"}};

void CheckWritten(const kelmar::IniFile& ini, const std::string& value, int32_t number) {
    for (const Written& w : kWritten)
        if (ini.ReadString(w.section, w.key, kMissing) != value)
            __builtin_trap();
    if (ini.ReadInteger("Game", "MyP", -1) != number)
        __builtin_trap();
}

}  // namespace

// The saved game's INI syntax over any bytes: every key reads within its
// bounds; values written read back as written, in memory and from the bytes a
// save puts on disk; and those bytes read back as the same file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kelmar::IniFile ini = kelmar::IniFile::FromBytes("Kelmar.ini", bytes);
    ReadEverything(ini);

    const std::string value = EntryValue(bytes.substr(0, bytes.find('\n')));
    uint32_t bits = 0;
    for (size_t i = 0; i < 4 && i < size; ++i) bits = bits << 8 | data[i];
    const auto number = static_cast<int32_t>(bits);
    for (const Written& w : kWritten) ini.WriteString(w.section, w.key, value);
    ini.WriteInteger("Game", "MyP", number);
    CheckWritten(ini, value, number);

    const std::string saved = ini.Bytes();
    const kelmar::IniFile again = kelmar::IniFile::FromBytes("Kelmar.ini", saved);
    if (again.Bytes() != saved)
        __builtin_trap();
    CheckWritten(again, value, number);
    return 0;
}
