#include "arguments.h"

namespace tavrel::cli {

bool Arguments::Parse(const std::vector<std::string>& words, const std::vector<OptionSpec>& options,
                      std::string& problem) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // A lone "-" or a negative number such as "-1" (a year before Christ) is a positional.
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            positionals_.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& option : options) {
            if (name == option.name) spec = &option;
        }
        if (spec == nullptr) {
            problem = "unknown option " + word;
            return false;
        }
        if (!spec->takesValue) {
            values_[name] = "";
            continue;
        }
        if (i + 1 >= words.size()) {
            problem = "option " + word + " needs a value";
            return false;
        }
        values_[name] = words[++i];
    }
    return true;
}

bool Arguments::Has(std::string_view name) const { return values_.find(name) != values_.end(); }

std::optional<std::string> Arguments::Value(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

}  // namespace tavrel::cli
