#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// A stretch of text with one set of character attributes.
struct RichTextRun {
    std::string text;  // UTF-8, no paragraph breaks
    std::string fontFace = "宋体";
    double fontSize = 10.5;    // points
    std::uint32_t colour = 0;  // Windows colour value 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class ParagraphAlignment { kLeft, kCenter, kRight, kJustify };

struct RichTextParagraph {
    std::vector<RichTextRun> runs;
    ParagraphAlignment alignment = ParagraphAlignment::kLeft;
};

struct RichTextDocument {
    std::vector<RichTextParagraph> paragraphs;
};

// The text of the document, paragraphs separated by "\n".
std::string PlainText(const RichTextDocument& document);

// One paragraph per line of `text` ("\n", "\r\n" or "\r"), each one run in the default font.
RichTextDocument DocumentOfPlainText(std::string_view text);

}  // namespace tavrel
