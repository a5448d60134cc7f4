#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/file_util.h"
#include "platform/rich_text.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

RichTextDocument Formatted() {
    RichTextDocument document;
    RichTextParagraph title;
    title.alignment = ParagraphAlignment::kCenter;
    RichTextRun heading;
    heading.text = "命主评语 {重要} \\ 注";
    heading.fontFace = "黑体";
    heading.fontSize = 16;
    heading.colour = 0x0000FF;
    heading.bold = true;
    title.runs.push_back(heading);
    document.paragraphs.push_back(title);

    RichTextParagraph body;
    body.alignment = ParagraphAlignment::kJustify;
    RichTextRun plain;
    plain.text = "It's 七政四余\t😀 𠀀 é ";
    body.runs.push_back(plain);
    RichTextRun styled;
    styled.text = "斜体下划线";
    styled.fontFace = "Times New Roman";
    styled.italic = true;
    styled.underline = true;
    styled.colour = 0x00FF8000;
    body.runs.push_back(styled);
    document.paragraphs.push_back(body);
    document.paragraphs.push_back(RichTextParagraph{});
    return document;
}

TEST(Rtf, WhatIsWrittenReadsBackTheSame) {
    const RichTextDocument original = Formatted();
    const std::string rtf = WriteRtf(original);
    EXPECT_EQ(rtf.find_first_of("\x80\xff"), std::string::npos) << "RTF is 7-bit text";
    const RichTextDocument read = ReadRtf(rtf);
    ASSERT_EQ(read.paragraphs.size(), original.paragraphs.size());
    for (std::size_t p = 0; p < read.paragraphs.size(); ++p) {
        const auto& a = read.paragraphs[p];
        const auto& b = original.paragraphs[p];
        EXPECT_EQ(a.alignment, b.alignment);
        ASSERT_EQ(a.runs.size(), b.runs.size());
        for (std::size_t r = 0; r < a.runs.size(); ++r) {
            EXPECT_EQ(a.runs[r].text, b.runs[r].text);
            EXPECT_EQ(a.runs[r].fontFace, b.runs[r].fontFace);
            EXPECT_EQ(a.runs[r].fontSize, b.runs[r].fontSize);
            EXPECT_EQ(a.runs[r].colour, b.runs[r].colour);
            EXPECT_EQ(a.runs[r].bold, b.runs[r].bold);
            EXPECT_EQ(a.runs[r].italic, b.runs[r].italic);
            EXPECT_EQ(a.runs[r].underline, b.runs[r].underline);
        }
    }
    EXPECT_EQ(PlainText(read), PlainText(original));
}

TEST(Rtf, PlainTextSurvivesTheRoundTrip) {
    for (const std::string& text :
         {std::string(""), std::string("a"), std::string("a\n"), std::string("\n\nb"),
          std::string("x'y\"z;--%") + '\0' + "w", std::string("中文\n第二段 😀")}) {
        EXPECT_EQ(PlainText(ReadRtf(WriteRtf(DocumentOfPlainText(text)))), text);
    }
    EXPECT_EQ(PlainText(DocumentOfPlainText("a\r\nb\rc")), "a\nb\nc");
}

TEST(Rtf, ReadsWhatOtherProgramsWrite) {
    struct Case {
        const char* what;
        std::string rtf;
        std::string text;
    };
    const Case table[] = {
        {"Windows rich-text control, GBK bytes",
         "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{"
         "\\f0\\fnil\\fcharset134 "
         "\\'cb\\'ce\\'cc\\'e5;}}\r\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 "
         "\\'d6\\'d0\\'ce\\'c4\\par\r\n"
         "second\\par\r\n}\r\n",
         "中文\nsecond"},
        {"Unicode with fallback bytes",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}}\\uc2 "
         "\\u20013\\'d6\\'d0\\u25991?? "
         "caf\\'e9\\par}",
         "中文 café"},
        {"surrogate pair", "{\\rtf1\\ansi \\u-10179?\\u-8704?\\par}", "😀"},
        {"skipped destinations, unknown groups keep their text",
         "{\\rtf1\\ansi{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}"
         "{\\pict\\pngblip 89504e47}{\\unknownword kept}{\\field{\\*\\fldinst HYPERLINK "
         "x}{\\fldrslt link}} \\bin3 {}xy\\par}",
         "keptlink y"},
        {"raw GBK bytes in a charset-134 font",
         "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 \xd6\xd0\\par}",
         "中"},
        {"escaped symbols and special characters",
         "{\\rtf1 a\\{b\\}c\\\\d\\tab e\\emdash\\ldblquote f\\rdblquote\\line g}",
         "a{b}c\\d\te—“f”\ng"},
        {"stray closing braces and truncation", "{\\rtf1 a}}b{\\b c", "abc"},
        {"not RTF: UTF-8 text", "第一行\r\n第二行", "第一行\n第二行"},
        {"not RTF: GBK text", "\xd6\xd0\xce\xc4", "中文"},
    };
    for (const Case& c : table) {
        EXPECT_EQ(PlainText(ReadRtf(c.rtf)), c.text) << c.what;
    }
}

TEST(Rtf, ReadsFontColourAndAttributesFromTheTables) {
    const RichTextDocument document = ReadRtf(
        "{\\rtf1\\ansi\\ansicpg936\\deff1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5{\\*\\panose 0};}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128"
        "\\blue255;}\\pard\\qr\\f0\\fs28\\cf2\\b\\i bold\\b0\\i0\\ul under\\ulnone\\plain "
        "plain\\par}");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const auto& runs = document.paragraphs[0].runs;
    EXPECT_EQ(document.paragraphs[0].alignment, ParagraphAlignment::kRight);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "bold");
    EXPECT_EQ(runs[0].fontFace, "Times");
    EXPECT_EQ(runs[0].fontSize, 14);
    EXPECT_EQ(runs[0].colour, 0xFF8000u);
    EXPECT_TRUE(runs[0].bold && runs[0].italic && !runs[0].underline);
    EXPECT_EQ(runs[1].text, "under");
    EXPECT_TRUE(!runs[1].bold && runs[1].underline);
    EXPECT_EQ(runs[2].text, "plain");
    EXPECT_EQ(runs[2].fontFace, "宋体");  // \plain returns to the default font
    EXPECT_EQ(runs[2].fontSize, 12);
    EXPECT_EQ(runs[2].colour, 0u);
}

// LibreOffice is the outside reader; the test runs only where it is installed.
TEST(Rtf, LibreOfficeReadsTheSameText) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; RTF not checked against it";
    }
    testing::TempFolder folder;
    const std::string text = "命主's 评语 {x} \\ 七政四余\n第二段 😀 𠀀";
    ASSERT_TRUE(
        WriteFileAtomically(folder.File("comment.rtf"), WriteRtf(DocumentOfPlainText(text))));
    const std::string command = "cd '" + folder.Path().string() + "' && HOME='" +
                                folder.Path().string() +
                                "' soffice --headless --convert-to 'txt:Text (encoded):UTF8' "
                                "comment.rtf >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    auto converted = ReadFileBytes(folder.File("comment.txt"));
    ASSERT_TRUE(converted);
    std::string got = *converted;
    if (got.rfind("\xEF\xBB\xBF", 0) == 0) got.erase(0, 3);
    while (!got.empty() && (got.back() == '\n' || got.back() == '\r')) got.pop_back();
    std::string normalised;
    for (const char c : got) {
        if (c != '\r') normalised += c;
    }
    EXPECT_EQ(normalised, text);
}

}  // namespace
}  // namespace tavrel
