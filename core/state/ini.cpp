#include "state/ini.h"

#include "state/errors.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr int kFileNotFound = 2;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The name of a "[section]" line, if the line is one.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos)
        return Trim(line.substr(1));
    return Trim(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// The key and value of an entry line; comments and lines without "=" are none.
std::optional<Entry> EntryOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line.append(value);
    return line;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    try {
        lines_ = SplitLines(ReadWholeFile(path_));
        existed_ = true;
    } catch (const InOutError& e) {
        if (e.code() != kFileNotFound)
            throw;
    }
}

IniFile IniFile::FromBytes(std::string path, std::string_view bytes) {
    IniFile ini;
    ini.path_ = std::move(path);
    ini.lines_ = SplitLines(bytes);
    ini.existed_ = true;
    return ini;
}

std::optional<IniFile::Span> IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !SameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end])) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const Span& span, std::string_view key) const {
    for (size_t i = span.header + 1; i < span.end; ++i) {
        const auto entry = EntryOf(lines_[i]);
        if (entry && SameName(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    std::string_view value = fallback;
    if (const auto span = FindSection(section)) {
        if (const auto line = FindKey(*span, key))
            value = EntryOf(lines_[*line])->value;
    }
    return std::string(value.substr(0, kMaxValue));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const auto span = FindSection(section);
    if (!span) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(EntryLine(key, value));
        return;
    }
    if (const auto line = FindKey(*span, key)) {
        // The key keeps the spelling it has in the file.
        lines_[*line] = EntryLine(EntryOf(lines_[*line])->key, value);
        return;
    }
    // After the section's last line that is not blank, so that blank lines
    // between sections stay where they are.
    size_t at = span->end;
    while (at > span->header + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), EntryLine(key, value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, IntToStr(value));
}

std::string IniFile::Bytes() const {
    TextWriter file;
    for (const std::string& line : lines_) file.WriteLine(line);
    return file.bytes();
}

void IniFile::Flush() const {
    try {
        WriteFileAtomically(path_, Bytes());
    } catch (const InOutError&) {
        throw IniWriteError(path_);
    }
}

}  // namespace kelmar
