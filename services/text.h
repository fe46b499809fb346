#pragma once
#include <string>

namespace bx {

// A counted string of 8-bit characters in the ANSI code page. Every test on it
// (last character, lower-casing, containment) works byte by byte.
using Text = std::string;

}  // namespace bx
