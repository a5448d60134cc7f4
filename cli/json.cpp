#include "json.h"

#include <charconv>
#include <cmath>

#include "platform/utf8.h"

namespace tavrel::cli {

Json& Json::Set(std::string key, Json value) {
    auto& members = std::get<Object>(value_);
    for (auto& member : members) {
        if (member.first == key) {
            member.second = std::move(value);
            return *this;
        }
    }
    members.emplace_back(std::move(key), std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    std::get<Array>(value_).push_back(std::move(value));
    return *this;
}

std::string Json::Dump() const {
    std::string out;
    DumpTo(out);
    return out;
}

void Json::DumpTo(std::string& out) const {
    struct Visitor {
        std::string& out;
        void operator()(std::nullptr_t) const { out += "null"; }
        void operator()(bool value) const { out += value ? "true" : "false"; }
        void operator()(std::int64_t value) const { out += std::to_string(value); }
        void operator()(double value) const {
            if (!std::isfinite(value)) {
                out += "null";
                return;
            }
            // Shortest text that reads back as the same double: full precision, no noise.
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
            out.append(buffer, result.ptr);
        }
        void operator()(const std::string& value) const { out += JsonQuote(value); }
        void operator()(const Array& items) const {
            out += '[';
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (i > 0) out += ", ";
                items[i].DumpTo(out);
            }
            out += ']';
        }
        void operator()(const Object& members) const {
            out += '{';
            for (std::size_t i = 0; i < members.size(); ++i) {
                if (i > 0) out += ", ";
                out += JsonQuote(members[i].first);
                out += ": ";
                members[i].second.DumpTo(out);
            }
            out += '}';
        }
    };
    std::visit(Visitor{out}, value_);
}

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, pos);
            if (length == 0) {
                AppendUtf8(out, kReplacementCharacter);
            } else {
                out.append(text.substr(pos, length));
                pos += length - 1;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

}  // namespace tavrel::cli
