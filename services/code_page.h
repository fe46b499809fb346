#pragma once
// The system's ANSI code page, in which every Text the program handles is
// spelled.

namespace bx {

// True when byte opens a two-byte character in the ANSI code page (932, 936,
// 949 and 950 have such bytes; single-byte code pages have none). A
// LeadByteTest for the path rules.
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace bx
