// The game's Shift-JIS texts as JSON string literals in UTF-8, appended to a
// line being written. The league's names and ranks repeat every basho, so
// each distinct text is converted and escaped once and then copied; the
// newspaper page is taken line by line, since its lines repeat too while the
// page as a whole does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelmar::sim {

class JsonTexts {
  public:
    // Where a text stood among those converted when it was last asked for.
    // A place of the line that shows the same text from one basho to the
    // next, a slot's name say, keeps one, and finds its text with a single
    // comparison while it stays. Any value is safe: a wrong one costs a
    // lookup.
    using Hint = uint32_t;

    // Bounded: a run that keeps meeting new texts starts afresh when it has
    // this many.
    static constexpr size_t kMaxTexts = 1 << 16;

    explicit JsonTexts(size_t maxTexts = kMaxTexts) : maxTexts_(maxTexts) {}

    // The text as a quoted JSON string.
    void Append(std::string_view sjis, std::string& out);
    // A newspaper page as one quoted JSON string, converted a line at a time.
    void AppendPage(std::string_view sjis, std::string& out);

    // The text as a quoted JSON string; valid until the next call.
    std::string_view Quoted(std::string_view sjis, Hint& hint) {
        if (hint >= texts_.size() || texts_[hint].sjis != sjis)
            hint = Find(sjis);
        return texts_[hint].quoted;
    }
    std::string_view Quoted(std::string_view sjis) { return texts_[Find(sjis)].quoted; }
    // The text's contents in a JSON string, without the quotes; valid until
    // the next call.
    std::string_view Escaped(std::string_view sjis);

    // The distinct texts held.
    size_t size() const { return texts_.size(); }

  private:
    struct Text {
        std::string sjis;
        std::string quoted;
    };

    Hint Find(std::string_view sjis);
    Hint Add(std::string_view sjis);
    size_t FreeCell(std::string_view sjis) const;
    void Rehash(size_t cells);

    size_t maxTexts_;
    std::vector<Text> texts_;
    // An open table of the texts: an index of texts_ plus one, 0 for an
    // empty cell. A power of two in size, at most half full, so that a probe
    // ends soon.
    std::vector<uint32_t> cells_;
};

// Escapes UTF-8 text as a JSON string's contents: the quotation mark, the
// reverse solidus and the control characters; every other byte as it is.
void AppendJsonEscaped(std::string_view utf8, std::string& out);

}  // namespace kelmar::sim
