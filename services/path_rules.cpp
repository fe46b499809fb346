#include "services/path_rules.h"

namespace bx {
namespace {

bool EndsInBackslash(const Text& text) { return !text.empty() && text.back() == '\\'; }

}  // namespace

Text AddTrailingBackslash(const Text& text) {
  if (text.empty() || EndsInBackslash(text)) return text;
  return text + '\\';
}

Text RemoveTrailingBackslash(const Text& text) {
  if (!EndsInBackslash(text)) return text;
  return text.substr(0, text.size() - 1);
}

Text LowerCase(const Text& text) {
  Text lower = text;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool ContainsText(const Text& text, const Text& part) { return text.find(part) != Text::npos; }

bool ContainsWildcard(const Text& path) {
  static const Text kLongPathPrefix = "\\\\?\\";
  const std::size_t start = path.compare(0, kLongPathPrefix.size(), kLongPathPrefix) == 0 ? kLongPathPrefix.size() : 0;
  return path.find_first_of("*?", start) != Text::npos;
}

}  // namespace bx
