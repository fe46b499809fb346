#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/path_rules.h"

namespace {

bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// A second way to tell whether the last byte is a backslash character: count
// the lead bytes straight before it. After any other byte a character ends,
// so an odd count means the last byte is a trail byte.
bool EndsInBackslashByCount(const std::string& text, bx::LeadByteTest isLeadByte) {
  if (text.empty() || text.back() != '\\') return false;
  std::size_t leads = 0;
  for (std::size_t i = text.size() - 1; i-- > 0 && isLeadByte(static_cast<unsigned char>(text[i]));) ++leads;
  return leads % 2 == 0;
}

// The same count tells a cut character: the last byte is a lead byte that
// does not close a pair.
bool EndsInLoneLeadByCount(const std::string& text, bx::LeadByteTest isLeadByte) {
  std::size_t leads = 0;
  for (std::size_t i = text.size(); i-- > 0 && isLeadByte(static_cast<unsigned char>(text[i]));) ++leads;
  return leads % 2 == 1;
}

void CheckTrailingRules(const std::string& text, bx::LeadByteTest isLeadByte) {
  const bool ends = bx::EndsInBackslash(text, isLeadByte);
  if (ends != EndsInBackslashByCount(text, isLeadByte)) std::abort();
  const bool cut = bx::EndsInLoneLeadByte(text, isLeadByte);
  if (cut != EndsInLoneLeadByCount(text, isLeadByte)) std::abort();
  const std::string added = bx::AddTrailingBackslash(text, isLeadByte);
  if (text.empty() || cut ? !added.empty() : added != (ends ? text : text + '\\')) std::abort();
  if (!added.empty() && !bx::EndsInBackslash(added, isLeadByte)) std::abort();
  if (bx::AddTrailingBackslash(added, isLeadByte) != added) std::abort();
  const std::string removed = bx::RemoveTrailingBackslash(text, isLeadByte);
  if (removed != (ends ? text.substr(0, text.size() - 1) : text)) std::abort();
  if (!ends && !cut && bx::RemoveTrailingBackslash(added, isLeadByte) != text) std::abort();
  const std::size_t last = bx::FindLastBackslash(text, isLeadByte);
  if (last != std::string::npos && (text[last] != '\\' || !bx::EndsInBackslash(text.substr(0, last + 1), isLeadByte))) {
    std::abort();
  }
}

}  // namespace

// The trailing-backslash rules agree with a second method in a double-byte
// code page and with the plain last byte in a single-byte one, and undo each
// other; lower-casing keeps the length and touches only A-Z; containment
// agrees with itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckTrailingRules(text, bx::NoLeadBytes);
  CheckTrailingRules(text, IsLeadByte932);
  if (bx::EndsInBackslash(text, bx::NoLeadBytes) != (!text.empty() && text.back() == '\\')) std::abort();
  if (bx::FindLastBackslash(text, bx::NoLeadBytes) != text.rfind('\\')) std::abort();
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
