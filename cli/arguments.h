#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::cli {

// One option a command accepts: "--name value" when it takes a value, "--name" otherwise.
struct OptionSpec {
    const char* name;
    bool takesValue;
};

// The words after the command name, checked against the command's options.
class Arguments {
  public:
    // False with a message when a word is not an option of the command or a value is missing.
    bool Parse(const std::vector<std::string>& words, const std::vector<OptionSpec>& options,
               std::string& problem);

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    const std::vector<std::string>& Positionals() const { return positionals_; }

  private:
    std::map<std::string, std::string, std::less<>> values_;
    std::vector<std::string> positionals_;
};

}  // namespace tavrel::cli
