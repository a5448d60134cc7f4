#pragma once

#include <string>

namespace tavrel {

// The historical era names of a year, read from the era chronology (EraTable).
class obb_class {
  public:
    // Every regime counting astronomical year `year`, in table order: "[dynasty] title name
    // era<n>年", joined by "；". Empty when no row covers the year.
    std::string EraNames(int year) const;
};

}  // namespace tavrel
