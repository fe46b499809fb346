#pragma once
#include "services/text.h"

namespace bx {

// The run's state, from start to exit. Each stage writes its own fields;
// later stages read them.
struct RunContext {
  Text InstallDir;       // first argument with one trailing backslash
  Text HelpDir;          // InstallDir + "Help\", once the Lite edition is found
  bool FullEditionPresent = false;
  bool HasHomeSite = false;
  bool HasColdFusionStudio = false;
  Text ProgramGroupDir;  // Start-menu group with trailing backslash, or empty
  Text MessageText;      // the text of the box about to be shown
};

// The one run of this process.
extern RunContext Run;

}  // namespace bx
