#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tavrel::cli {

// A JSON value built by a command and printed as one document.
class Json {
  public:
    using Array = std::vector<Json>;
    // Members keep the order in which they were set.
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() : value_(nullptr) {}
    Json(std::nullptr_t) : value_(nullptr) {}
    Json(bool value) : value_(value) {}
    Json(int value) : value_(static_cast<std::int64_t>(value)) {}
    Json(std::int64_t value) : value_(value) {}
    Json(double value) : value_(value) {}
    Json(const char* value) : value_(std::string(value)) {}
    Json(std::string value) : value_(std::move(value)) {}
    Json(std::string_view value) : value_(std::string(value)) {}
    Json(Array value) : value_(std::move(value)) {}

    static Json MakeObject() { return Json(Object{}); }
    static Json MakeArray() { return Json(Array{}); }

    // Sets a member of an object (the value must be an object).
    Json& Set(std::string key, Json value);
    // Appends to an array (the value must be an array).
    Json& Push(Json value);

    std::string Dump() const;

  private:
    explicit Json(Object value) : value_(std::move(value)) {}
    void DumpTo(std::string& out) const;

    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> value_;
};

// A JSON string literal; bytes that are not well-formed UTF-8 become U+FFFD.
std::string JsonQuote(std::string_view text);

}  // namespace tavrel::cli
