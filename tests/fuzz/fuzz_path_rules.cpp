#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/path_rules.h"

// The trailing-backslash rules undo each other, lower-casing keeps the length
// and touches only A-Z, and containment agrees with itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string added = bx::AddTrailingBackslash(text);
  if (!text.empty() && (added.back() != '\\' || added.size() > text.size() + 1)) std::abort();
  if (text.empty() && !added.empty()) std::abort();
  if (bx::AddTrailingBackslash(added) != added) std::abort();
  const std::string removed = bx::RemoveTrailingBackslash(added);
  if (!text.empty() && text.back() != '\\' && removed != text) std::abort();
  const std::string lower = bx::LowerCase(text);
  if (lower.size() != text.size()) std::abort();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const unsigned char l = static_cast<unsigned char>(lower[i]);
    if ((c >= 'A' && c <= 'Z') ? l != c + 32 : l != c) std::abort();
  }
  const std::size_t half = size / 2;
  if (!bx::ContainsText(text, text.substr(half))) std::abort();
  (void)bx::ContainsWildcard(text);
  return 0;
}
