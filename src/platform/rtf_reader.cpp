#include "platform/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "platform/string_util.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"

namespace tavrel {

namespace {

enum class Destination { kText, kSkip, kFontTable, kColourTable };

struct CharacterState {
    int font = -1;  // -1: the default font
    double size = 12;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct GroupState {
    CharacterState character;
    int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
    Destination destination = Destination::kText;
};

struct FontEntry {
    std::string face;
    int charset = 1;  // 1: the default charset, i.e. the document's code page
};

constexpr int kGbkCodePage = 936;
constexpr int kGbkCharset = 134;

bool IsWellFormedUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (const char b : bytes) AppendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSkippedDestination(std::string_view word) {
    static const char* const kWords[] = {
        "stylesheet",   "info",       "pict",       "object",    "header",
        "headerl",      "headerr",    "headerf",    "footer",    "footerl",
        "footerr",      "footerf",    "fldinst",    "themedata", "colorschememapping",
        "latentstyles", "datastore",  "xmlnstbl",   "listtable", "listoverridetable",
        "rsidtbl",      "generator",  "filetbl",    "revtbl",    "pgdsctbl",
        "footnote",     "annotation", "nonshppict", "shppict",   "bkmkstart",
        "bkmkend",      "private",    "userprops",  "mmathPr",   "template"};
    return std::any_of(std::begin(kWords), std::end(kWords),
                       [&](const char* w) { return word == w; });
}

class RtfParser {
  public:
    explicit RtfParser(std::string_view bytes) : in_(bytes) {}

    RichTextDocument Parse() {
        stack_.push_back(GroupState{});
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                FlushBytes();
                GroupState inner = stack_.back();
                stack_.push_back(inner);
                ++pos_;
            } else if (c == '}') {
                EndGroup();
                ++pos_;
            } else if (c == '\\') {
                ++pos_;
                ControlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                TextByte(static_cast<unsigned char>(c));
                ++pos_;
            }
        }
        FlushBytes();
        if (!paragraph_.runs.empty()) document_.paragraphs.push_back(std::move(paragraph_));
        return std::move(document_);
    }

  private:
    GroupState& State() { return stack_.back(); }

    void EndGroup() {
        FlushBytes();
        if (State().destination == Destination::kFontTable) CommitFont(false);
        // The outermost group is never popped, so text after a stray '}' is kept.
        if (stack_.size() > 1) stack_.pop_back();
        skipLeft_ = 0;
    }

    void TextByte(unsigned char byte) {
        if (skipLeft_ > 0) {
            --skipLeft_;
            return;
        }
        switch (State().destination) {
            case Destination::kText:
                pending_ += static_cast<char>(byte);
                break;
            case Destination::kFontTable:
                if (byte == ';') {
                    CommitFont(true);
                } else {
                    fontName_ += static_cast<char>(byte);
                }
                break;
            case Destination::kColourTable:
                if (byte == ';') {
                    colours_.push_back(colourInProgress_);
                    colourInProgress_ = 0;
                }
                break;
            case Destination::kSkip:
                break;
        }
    }

    void CommitFont(bool always) {
        if (!always && Trim(fontName_).empty()) return;
        FontEntry entry;
        entry.charset = fontCharset_;
        entry.face = Decode(std::string(Trim(fontName_)), fontCharset_);
        fonts_[fontNumber_] = std::move(entry);
        fontName_.clear();
        fontCharset_ = 1;
    }

    int CodePageOf(int charset) const {
        if (charset == kGbkCharset) return kGbkCodePage;
        if (charset == 0 || charset == 1 || charset == 2) {
            return charset == 1 ? codePage_ : 1252;
        }
        return codePage_;
    }

    std::string Decode(const std::string& bytes, int charset) const {
        return CodePageOf(charset) == kGbkCodePage ? GbkToUtf8(bytes) : Latin1ToUtf8(bytes);
    }

    int CurrentCharset() const {
        const int font =
            stack_.back().character.font < 0 ? defaultFont_ : stack_.back().character.font;
        const auto found = fonts_.find(font);
        return found != fonts_.end() ? found->second.charset : 1;
    }

    void FlushBytes() {
        if (pending_.empty()) return;
        const std::string bytes = std::move(pending_);
        pending_.clear();
        AppendText(Decode(bytes, CurrentCharset()));
    }

    RichTextRun RunOfState() const {
        const CharacterState& c = stack_.back().character;
        RichTextRun run;
        const auto found = fonts_.find(c.font < 0 ? defaultFont_ : c.font);
        run.fontFace = found != fonts_.end() ? found->second.face : std::string();
        run.fontSize = c.size;
        run.colour = c.colour > 0 && static_cast<std::size_t>(c.colour) < colours_.size()
                         ? colours_[static_cast<std::size_t>(c.colour)]
                         : 0;
        run.bold = c.bold;
        run.italic = c.italic;
        run.underline = c.underline;
        return run;
    }

    void AppendText(const std::string& text) {
        if (text.empty() || State().destination != Destination::kText) return;
        RichTextRun run = RunOfState();
        if (!paragraph_.runs.empty()) {
            RichTextRun& last = paragraph_.runs.back();
            if (last.fontFace == run.fontFace && last.fontSize == run.fontSize &&
                last.colour == run.colour && last.bold == run.bold && last.italic == run.italic &&
                last.underline == run.underline) {
                last.text += text;
                return;
            }
        }
        run.text = text;
        paragraph_.runs.push_back(std::move(run));
    }

    void AppendCharacter(char32_t c) {
        FlushBytes();
        std::string text;
        AppendUtf8(text, c);
        AppendText(text);
    }

    void EndParagraph() {
        FlushBytes();
        if (State().destination != Destination::kText) return;
        const ParagraphAlignment alignment = paragraph_.alignment;
        document_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RichTextParagraph{};
        paragraph_.alignment = alignment;
    }

    void Unicode(long value) {
        FlushBytes();
        const auto unit = static_cast<char32_t>(value < 0 ? value + 65536 : value) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (highSurrogate_ != 0) {
                AppendCharacter(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            }
            highSurrogate_ = 0;
        } else {
            highSurrogate_ = 0;
            AppendCharacter(unit);
        }
        skipLeft_ = State().unicodeSkip;
    }

    void ControlWord() {
        if (pos_ >= in_.size()) return;
        const char first = in_[pos_];
        if (!IsLetter(first)) {
            ++pos_;
            ControlSymbol(first);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]) && pos_ - start < 32) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        const std::size_t digits = pos_;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            if (pos_ - digits < 10) parameter = parameter * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        hasParameter = pos_ > digits;
        if (negative) parameter = -parameter;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Apply(word, hasParameter, parameter);
    }

    void ControlSymbol(char symbol) {
        switch (symbol) {
            case '\'': {
                if (pos_ + 1 < in_.size() && HexValue(in_[pos_]) >= 0 &&
                    HexValue(in_[pos_ + 1]) >= 0) {
                    const int value = HexValue(in_[pos_]) * 16 + HexValue(in_[pos_ + 1]);
                    pos_ += 2;
                    TextByte(static_cast<unsigned char>(value));
                }
                break;
            }
            case '\\':
            case '{':
            case '}':
                TextByte(static_cast<unsigned char>(symbol));
                break;
            case '~':
                AppendCharacter(0xA0);
                break;
            case '_':
                AppendCharacter(0x2011);
                break;
            case '*':
                FlushBytes();
                State().destination = Destination::kSkip;
                break;
            case '\r':
            case '\n':
                EndParagraph();
                break;
            default:
                break;
        }
    }

    void Apply(std::string_view word, bool hasParameter, long parameter) {
        CharacterState& c = State().character;
        const bool on = !hasParameter || parameter != 0;
        if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row") {
            EndParagraph();
        } else if (word == "pard") {
            paragraph_.alignment = ParagraphAlignment::kLeft;
        } else if (word == "ql") {
            paragraph_.alignment = ParagraphAlignment::kLeft;
        } else if (word == "qc") {
            paragraph_.alignment = ParagraphAlignment::kCenter;
        } else if (word == "qr") {
            paragraph_.alignment = ParagraphAlignment::kRight;
        } else if (word == "qj") {
            paragraph_.alignment = ParagraphAlignment::kJustify;
        } else if (word == "u" && hasParameter) {
            Unicode(parameter);
        } else if (word == "uc" && hasParameter) {
            State().unicodeSkip = static_cast<int>(std::clamp(parameter, 0L, 8L));
        } else if (word == "bin" && hasParameter) {
            FlushBytes();
            const auto skip = static_cast<std::size_t>(std::max(parameter, 0L));
            pos_ = skip >= in_.size() - pos_ ? in_.size() : pos_ + skip;
        } else if (word == "ansicpg" && hasParameter) {
            codePage_ = static_cast<int>(parameter);
        } else if (word == "deff" && hasParameter) {
            defaultFont_ = static_cast<int>(parameter);
        } else if (word == "fonttbl") {
            State().destination = Destination::kFontTable;
        } else if (word == "colortbl") {
            State().destination = Destination::kColourTable;
            colours_.clear();
            colourInProgress_ = 0;
        } else if (IsSkippedDestination(word)) {
            FlushBytes();
            State().destination = Destination::kSkip;
        } else if (State().destination == Destination::kFontTable) {
            if (word == "f" && hasParameter) {
                fontNumber_ = static_cast<int>(parameter);
            } else if (word == "fcharset" && hasParameter) {
                fontCharset_ = static_cast<int>(parameter);
            }
        } else if (State().destination == Destination::kColourTable) {
            const auto component = static_cast<std::uint32_t>(std::clamp(parameter, 0L, 255L));
            if (word == "red") {
                colourInProgress_ = (colourInProgress_ & 0xFFFF00) | component;
            } else if (word == "green") {
                colourInProgress_ = (colourInProgress_ & 0xFF00FF) | (component << 8);
            } else if (word == "blue") {
                colourInProgress_ = (colourInProgress_ & 0x00FFFF) | (component << 16);
            }
        } else {
            // Character attributes change the run, so bytes gathered so far go first.
            FlushBytes();
            if (word == "plain") {
                c = CharacterState{};
            } else if (word == "b") {
                c.bold = on;
            } else if (word == "i") {
                c.italic = on;
            } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                       word == "uldash" || word == "ulwave" || word == "ulth") {
                c.underline = on;
            } else if (word == "ulnone") {
                c.underline = false;
            } else if (word == "f" && hasParameter) {
                c.font = static_cast<int>(parameter);
            } else if (word == "fs" && hasParameter && parameter > 0) {
                c.size = static_cast<double>(std::min(parameter, 3276L)) / 2;
            } else if (word == "cf" && hasParameter) {
                c.colour = static_cast<int>(std::clamp(parameter, 0L, 65535L));
            } else if (word == "tab" || word == "cell") {
                AppendCharacter('\t');
            } else if (word == "emdash") {
                AppendCharacter(0x2014);
            } else if (word == "endash") {
                AppendCharacter(0x2013);
            } else if (word == "bullet") {
                AppendCharacter(0x2022);
            } else if (word == "lquote") {
                AppendCharacter(0x2018);
            } else if (word == "rquote") {
                AppendCharacter(0x2019);
            } else if (word == "ldblquote") {
                AppendCharacter(0x201C);
            } else if (word == "rdblquote") {
                AppendCharacter(0x201D);
            } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
                AppendCharacter(' ');
            }
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::string pending_;  // text bytes in the current font's code page, not yet decoded
    int skipLeft_ = 0;     // fallback characters of the last \uN still to drop
    char32_t highSurrogate_ = 0;
    int codePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    int fontNumber_ = 0;
    int fontCharset_ = 1;
    std::string fontName_;
    std::vector<std::uint32_t> colours_;
    std::uint32_t colourInProgress_ = 0;
    RichTextParagraph paragraph_;
    RichTextDocument document_;
};

bool LooksLikeRtf(std::string_view bytes) {
    const std::string_view start = Trim(bytes.substr(0, std::min<std::size_t>(bytes.size(), 64)));
    return start.substr(0, 5) == "{\\rtf";
}

}  // namespace

RichTextDocument ReadRtf(std::string_view bytes) {
    if (!LooksLikeRtf(bytes)) {
        return DocumentOfPlainText(IsWellFormedUtf8(bytes) ? std::string(bytes) : GbkToUtf8(bytes));
    }
    return RtfParser(bytes).Parse();
}

}  // namespace tavrel
