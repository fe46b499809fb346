#include "services/path_rules.h"

namespace bx {

bool NoLeadBytes(unsigned char) { return false; }

namespace {

struct Walk {
  std::size_t lastBackslash = Text::npos;
  bool endsInLoneLead = false;
};

// Characters are told apart only from the start, as CharNextA does: a trail
// byte can take the value of any separator.
Walk WalkCharacters(const Text& text, LeadByteTest isLeadByte) {
  Walk walk;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isLeadByte(static_cast<unsigned char>(text[i]))) {
      if (i + 1 == text.size()) walk.endsInLoneLead = true;
      ++i;
    } else if (text[i] == '\\') {
      walk.lastBackslash = i;
    }
  }
  return walk;
}

}  // namespace

std::size_t FindLastBackslash(const Text& text, LeadByteTest isLeadByte) {
  return WalkCharacters(text, isLeadByte).lastBackslash;
}

bool EndsInBackslash(const Text& text, LeadByteTest isLeadByte) {
  return !text.empty() && FindLastBackslash(text, isLeadByte) == text.size() - 1;
}

bool EndsInLoneLeadByte(const Text& text, LeadByteTest isLeadByte) {
  return WalkCharacters(text, isLeadByte).endsInLoneLead;
}

Text AddTrailingBackslash(const Text& text, LeadByteTest isLeadByte) {
  if (text.empty()) return text;
  const Walk walk = WalkCharacters(text, isLeadByte);
  if (walk.lastBackslash == text.size() - 1) return text;
  if (walk.endsInLoneLead) return Text();
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
