// The help file "Kelmar.hlp": Shift-JIS text with CR LF line ends. A topic
// begins with a line "@topic N title" (N its context number, topic 1 the start
// page); the lines up to the next topic are its body, an empty line separates
// paragraphs, and "{N:text}" in a body is a link to topic N showing text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelmar {

// A run of a paragraph: plain text (link 0) or the text of a link to a topic.
// A line break inside a paragraph is a "\n" in the text.
struct HelpSpan {
    std::string text;
    int link = 0;
    bool operator==(const HelpSpan&) const = default;
};

using HelpParagraph = std::vector<HelpSpan>;

struct HelpTopic {
    int number = 0;
    std::string title;
    std::vector<HelpParagraph> paragraphs;
};

struct HelpFile {
    std::vector<HelpTopic> topics;
    // The topic with this context number, or nullptr.
    const HelpTopic* Find(int number) const;
};

// Lines before the first topic line are ignored, and so is a topic line whose
// number is not a positive integer (its body goes with no topic). A "{" that
// does not open a well-formed link stays text.
HelpFile ParseHelpFile(std::string_view bytes);

// Reads and parses the file; raises InOutError when it cannot be read.
HelpFile ReadHelpFile(const std::string& path);

}  // namespace kelmar
