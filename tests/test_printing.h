#pragma once
// Lets failure messages show lists of texts and C strings as their values.

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace doctest {
template <>
struct StringMaker<std::vector<std::string>> {
  static String convert(const std::vector<std::string>& items) {
    std::string out = "{";
    for (const std::string& item : items) out += "\n    \"" + item + "\"";
    out += "\n}";
    return String(out.c_str());
  }
};
}  // namespace doctest
