#include "presentation/text_lines.h"

#include "platform/string_util.h"
#include "platform/utf8.h"

namespace tavrel {

std::vector<TextLine> SplitTextLines(std::string_view contents) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (contents.starts_with(kByteOrderMark)) contents.remove_prefix(kByteOrderMark.size());
    std::vector<TextLine> lines;
    int number = 0;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        lines.push_back({++number, Trim(contents.substr(0, end))});
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    }
    return lines;
}

int CharacterCount(std::string_view text) {
    int count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        pos += length == 0 ? 1 : length;
    }
    return count;
}

KeyedLines ParseKeyedLines(std::string_view contents) {
    KeyedLines result;
    for (const TextLine& line : SplitTextLines(contents)) {
        if (line.text.empty() || line.text.front() == '#') continue;
        const std::size_t tab = line.text.find('\t');
        const std::string_view key =
            tab == std::string_view::npos ? std::string_view() : Trim(line.text.substr(0, tab));
        if (key.empty()) {
            result.rejected.push_back(line.number);
            continue;
        }
        result.lines.push_back({line.number, key, Trim(line.text.substr(tab + 1))});
    }
    return result;
}

}  // namespace tavrel
