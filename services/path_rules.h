#pragma once
// How every path and folder name is formed. All byte-wise; nothing here
// touches the file system.

#include "services/text.h"

namespace bx {

// Empty stays empty; a text ending in a backslash (byte 0x5C) is unchanged;
// anything else gets one backslash appended.
Text AddTrailingBackslash(const Text& text);

// Removes exactly one trailing backslash, if there is one.
Text RemoveTrailingBackslash(const Text& text);

// "A" to "Z" become "a" to "z"; every other byte, above 0x7F too, stays.
Text LowerCase(const Text& text);

// Plain byte-wise substring search; a match at any position counts.
bool ContainsText(const Text& text, const Text& part);

// True when path holds "*" or "?" outside a leading "\\?\" prefix, so that a
// file search on it would match a pattern rather than one name.
bool ContainsWildcard(const Text& path);

}  // namespace bx
