#include "platform/rtf_writer.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/text_codec.h"
#include "platform/utf8.h"

namespace tavrel {

namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
    out += buffer;
}

// \uN takes a signed 16-bit number; characters beyond the BMP go as a surrogate pair.
void AppendUnicode(std::string& out, char32_t c) {
    const auto unit = [&](unsigned value) {
        out += "\\u" +
               std::to_string(value >= 0x8000 ? static_cast<int>(value) - 0x10000
                                              : static_cast<int>(value)) +
               '?';
    };
    if (c >= 0x10000) {
        const char32_t v = c - 0x10000;
        unit(0xD800 + static_cast<unsigned>(v >> 10));
        unit(0xDC00 + static_cast<unsigned>(v & 0x3FF));
    } else {
        unit(static_cast<unsigned>(c));
    }
}

void AppendText(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            if (byte == '\\' || byte == '{' || byte == '}') {
                out += '\\';
                out += static_cast<char>(byte);
            } else if (byte == '\t') {
                out += "\\tab ";
            } else if (byte < 0x20 || byte == 0x7F) {
                AppendHexByte(out, byte);
            } else {
                out += static_cast<char>(byte);
            }
            ++pos;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            AppendUnicode(out, kReplacementCharacter);
            ++pos;
            continue;
        }
        bool exact = false;
        const std::string_view character = text.substr(pos, length);
        const std::string gbk = Utf8ToGbk(character, &exact);
        // A few characters share a GBK code with another one; those go as \uN.
        if (exact && GbkToUtf8(gbk) == character) {
            for (const char b : gbk) AppendHexByte(out, static_cast<unsigned char>(b));
        } else {
            AppendUnicode(out, Utf8Decode(text, pos, length));
        }
        pos += length;
    }
}

std::size_t IndexOf(std::vector<std::string>& fonts, const std::string& face) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (fonts[i] == face) return i;
    }
    fonts.push_back(face);
    return fonts.size() - 1;
}

std::size_t IndexOf(std::vector<std::uint32_t>& colours, std::uint32_t colour) {
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (colours[i] == colour) return i;
    }
    colours.push_back(colour);
    return colours.size() - 1;
}

const char* AlignmentWord(ParagraphAlignment alignment) {
    switch (alignment) {
        case ParagraphAlignment::kCenter:
            return "\\qc";
        case ParagraphAlignment::kRight:
            return "\\qr";
        case ParagraphAlignment::kJustify:
            return "\\qj";
        case ParagraphAlignment::kLeft:
            break;
    }
    return "\\ql";
}

}  // namespace

std::string WriteRtf(const RichTextDocument& document) {
    std::vector<std::string> fonts{"宋体"};
    std::vector<std::uint32_t> colours{0};
    for (const RichTextParagraph& paragraph : document.paragraphs) {
        for (const RichTextRun& run : paragraph.runs) {
            IndexOf(fonts, run.fontFace);
            IndexOf(colours, run.colour);
        }
    }

    std::string body;
    for (const RichTextParagraph& paragraph : document.paragraphs) {
        body += "\\pard";
        body += AlignmentWord(paragraph.alignment);
        for (const RichTextRun& run : paragraph.runs) {
            body += "\\plain\\f" + std::to_string(IndexOf(fonts, run.fontFace)) + "\\fs" +
                    std::to_string(static_cast<int>(std::lround(run.fontSize * 2))) + "\\cf" +
                    std::to_string(IndexOf(colours, run.colour) + 1);
            if (run.bold) body += "\\b";
            if (run.italic) body += "\\i";
            if (run.underline) body += "\\ul";
            body += ' ';
            AppendText(body, run.text);
        }
        body += "\\par\n";
    }

    std::string out =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset134 ";
        AppendText(out, fonts[i]);
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (const std::uint32_t colour : colours) {
        out += "\\red" + std::to_string(colour & 0xFF) + "\\green" +
               std::to_string((colour >> 8) & 0xFF) + "\\blue" +
               std::to_string((colour >> 16) & 0xFF) + ";";
    }
    out += "}\n\\viewkind4\n";
    out += body;
    out += "}\n";
    return out;
}

}  // namespace tavrel
