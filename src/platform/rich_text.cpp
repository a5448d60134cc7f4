#include "platform/rich_text.h"

namespace tavrel {

std::string PlainText(const RichTextDocument& document) {
    std::string text;
    for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
        if (p > 0) text += '\n';
        for (const RichTextRun& run : document.paragraphs[p].runs) text += run.text;
    }
    return text;
}

RichTextDocument DocumentOfPlainText(std::string_view text) {
    RichTextDocument document;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        RichTextParagraph paragraph;
        RichTextRun run;
        run.text = std::string(
            text.substr(start, end == std::string_view::npos ? text.npos : end - start));
        if (!run.text.empty()) paragraph.runs.push_back(std::move(run));
        document.paragraphs.push_back(std::move(paragraph));
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return document;
}

}  // namespace tavrel
