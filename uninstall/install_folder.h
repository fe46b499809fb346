#pragma once
#include "services/text.h"

namespace bx {

// The first command-line argument with one trailing backslash; empty when
// there is no argument. Reads the command line afresh at every call.
Text GetInstallFolder();

}  // namespace bx
