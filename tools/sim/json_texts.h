// The game's Shift-JIS texts as JSON string literals in UTF-8, appended to a
// line being written. The league's names and ranks repeat every basho, so
// each distinct text is converted and escaped once and then copied; the
// newspaper page is taken line by line, since its lines repeat too while the
// page as a whole does not.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelmar::sim {

class JsonTexts {
  public:
    // The text as a quoted JSON string.
    void Append(std::string_view sjis, std::string& out);
    // A newspaper page as one quoted JSON string, converted a line at a time.
    void AppendPage(std::string_view sjis, std::string& out);
    // The text's contents in a JSON string, without the quotes; valid until
    // the next call.
    std::string_view Escaped(std::string_view sjis);

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    // Bounded: a run that keeps meeting new texts starts the cache afresh.
    static constexpr size_t kMaxTexts = 1 << 16;
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> escaped_;
};

// Escapes UTF-8 text as a JSON string's contents: the quotation mark, the
// reverse solidus and the control characters; every other byte as it is.
void AppendJsonEscaped(std::string_view utf8, std::string& out);

}  // namespace kelmar::sim
