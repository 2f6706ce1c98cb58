#include "state/help_file.h"

#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr std::string_view kTopicMark = "@topic ";

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The position of the next byte `wanted` at or after `from` that is not the
// second byte of a double-byte character, or npos.
size_t FindByte(std::string_view s, char wanted, size_t from) {
    for (size_t i = from; i < s.size(); ++i) {
        if (s[i] == wanted)
            return i;
        if (IsLeadByte(static_cast<unsigned char>(s[i])))
            ++i;
    }
    return std::string_view::npos;
}

void AppendText(HelpParagraph& paragraph, std::string_view text) {
    if (text.empty())
        return;
    if (!paragraph.empty() && paragraph.back().link == 0)
        paragraph.back().text.append(text);
    else
        paragraph.push_back({std::string(text), 0});
}

// A link "{N:text}" starting at `open`: its length, or 0 if it is not one.
size_t ParseLink(std::string_view line, size_t open, HelpSpan& link) {
    const size_t colon = FindByte(line, ':', open + 1);
    if (colon == std::string_view::npos)
        return 0;
    const size_t close = FindByte(line, '}', colon + 1);
    if (close == std::string_view::npos)
        return 0;
    int32_t number = 0;
    const std::string_view digits = line.substr(open + 1, colon - open - 1);
    if (digits.empty() || !TryStrToInt(digits, number) || number <= 0)
        return 0;
    link = {std::string(line.substr(colon + 1, close - colon - 1)), number};
    return close - open + 1;
}

void AppendLine(HelpParagraph& paragraph, std::string_view line) {
    if (!paragraph.empty())
        AppendText(paragraph, "\n");
    size_t done = 0;
    size_t open = FindByte(line, '{', 0);
    while (open != std::string_view::npos) {
        HelpSpan link;
        const size_t length = ParseLink(line, open, link);
        if (length == 0) {
            open = FindByte(line, '{', open + 1);
            continue;
        }
        AppendText(paragraph, line.substr(done, open - done));
        paragraph.push_back(std::move(link));
        done = open + length;
        open = FindByte(line, '{', done);
    }
    AppendText(paragraph, line.substr(done));
}

// "@topic N title": the topic, or number 0 when the line is not well formed.
HelpTopic ParseTopicLine(std::string_view line) {
    HelpTopic topic;
    std::string_view rest = line.substr(kTopicMark.size());
    const size_t blank = rest.find(' ');
    int32_t number = 0;
    if (TryStrToInt(rest.substr(0, blank), number) && number > 0)
        topic.number = number;
    if (blank != std::string_view::npos)
        topic.title = std::string(rest.substr(blank + 1));
    return topic;
}

}  // namespace

const HelpTopic* HelpFile::Find(int number) const {
    for (const HelpTopic& topic : topics)
        if (topic.number == number)
            return &topic;
    return nullptr;
}

HelpFile ParseHelpFile(std::string_view bytes) {
    HelpFile file;
    TextReader reader = TextReader::FromBytes(std::string(bytes));
    HelpTopic* topic = nullptr;
    bool inParagraph = false;
    while (!reader.AtEnd()) {
        const std::string line = reader.ReadLine();
        if (line.starts_with(kTopicMark)) {
            HelpTopic parsed = ParseTopicLine(line);
            topic = nullptr;
            if (parsed.number > 0)
                topic = &file.topics.emplace_back(std::move(parsed));
            inParagraph = false;
        } else if (topic == nullptr) {
            continue;
        } else if (line.empty()) {
            inParagraph = false;
        } else {
            if (!inParagraph)
                topic->paragraphs.emplace_back();
            AppendLine(topic->paragraphs.back(), line);
            inParagraph = true;
        }
    }
    return file;
}

HelpFile ReadHelpFile(const std::string& path) {
    return ParseHelpFile(ReadWholeFile(path));
}

}  // namespace kelmar
