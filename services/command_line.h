#pragma once
#include <vector>

#include "services/text.h"

namespace bx {

// Splits a command line as the program has always done, which is not the
// C runtime's rule: blanks are every byte from 1 to 32, a double quote only
// toggles a quoted stretch (the quotes are dropped), a backslash is an ordinary
// character even before a quote, and a pair of double quotes in front of an
// argument is skipped. Element 0 is the program name; empty arguments are not
// returned.
std::vector<Text> SplitCommandLine(const char* commandLine);

// The number of arguments after the program name.
int ArgumentCount(const char* commandLine);

// Argument n after the program name, counted from 1; empty when there are
// fewer than n.
Text ArgumentAt(const char* commandLine, int n);

}  // namespace bx
