#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// The one cleaning rule for person, category and imported place names: the cleaned names are
// also file names and list items. An empty text becomes "甲"; the characters " * < > ? \ / | : '
// and the space are removed, and so are control characters (a NUL cannot be part of a file
// name); with limit > 0 the text is cut to `limit` characters of two GBK bytes. Returns true
// when the text had to be changed.
bool CleanName(std::string& text, int limit);

// The store's splitting rule for multi-value cells and the category list: items end at a
// space; a text that starts with a space is kept whole as the last item.
std::vector<std::string> SplitItems(std::string_view text);
std::string JoinItems(const std::vector<std::string>& items);

// Category names compare without regard to the case of Latin letters.
bool ContainsName(const std::vector<std::string>& names, std::string_view name);

}  // namespace tavrel
