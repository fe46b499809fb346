#pragma once
// How every path and folder name is formed. Nothing here touches the file
// system.
//
// A backslash counts only as a whole character. In the double-byte ANSI code
// pages (932, 936, 949, 950) many characters end in the byte 0x5C, as 0x95
// 0x5C does in 932; that byte is then part of the character, not a separator.
// The rules therefore take the code page's lead-byte test. In a single-byte
// code page (NoLeadBytes) they work byte by byte.

#include <cstddef>

#include "services/text.h"

namespace bx {

// True when byte opens a two-byte character in the code page the text is in.
using LeadByteTest = bool (*)(unsigned char byte);

// The lead-byte test of every single-byte code page: there are none.
bool NoLeadBytes(unsigned char byte);

// True when the last character of text is a backslash. A lead byte with a
// byte after it is one character, whatever that byte is.
bool EndsInBackslash(const Text& text, LeadByteTest isLeadByte);

// True when text ends in a lead byte with nothing after it: a cut character.
bool EndsInLoneLeadByte(const Text& text, LeadByteTest isLeadByte);

// Empty stays empty; a text ending in a backslash is unchanged; anything else
// gets one backslash appended. A text ending in a cut character names no
// folder and gives the empty text: a backslash appended would join that
// character instead of ending the name.
Text AddTrailingBackslash(const Text& text, LeadByteTest isLeadByte);

// Removes exactly one trailing backslash, if there is one.
Text RemoveTrailingBackslash(const Text& text, LeadByteTest isLeadByte);

// The offset of the last backslash character in text, or Text::npos.
std::size_t FindLastBackslash(const Text& text, LeadByteTest isLeadByte);

// "A" to "Z" become "a" to "z"; every other byte, above 0x7F too, stays.
Text LowerCase(const Text& text);

// Plain byte-wise substring search; a match at any position counts.
bool ContainsText(const Text& text, const Text& part);

// True when path holds "*" or "?" outside a leading "\\?\" prefix, so that a
// file search on it would match a pattern rather than one name. (No
// double-byte code page uses either byte inside a character.)
bool ContainsWildcard(const Text& path);

}  // namespace bx
