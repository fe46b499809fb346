#include "services/path_rules.h"

namespace bx {

bool NoLeadBytes(unsigned char) { return false; }

std::size_t FindLastBackslash(const Text& text, LeadByteTest isLeadByte) {
  // Characters are told apart only from the start, as CharNextA does: a trail
  // byte can take the value of any separator.
  std::size_t last = Text::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      ++i;
    } else if (text[i] == '\\') {
      last = i;
    }
  }
  return last;
}

bool EndsInBackslash(const Text& text, LeadByteTest isLeadByte) {
  return !text.empty() && FindLastBackslash(text, isLeadByte) == text.size() - 1;
}

Text AddTrailingBackslash(const Text& text, LeadByteTest isLeadByte) {
  if (text.empty() || EndsInBackslash(text, isLeadByte)) return text;
  return text + '\\';
}

Text RemoveTrailingBackslash(const Text& text, LeadByteTest isLeadByte) {
  if (!EndsInBackslash(text, isLeadByte)) return text;
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
