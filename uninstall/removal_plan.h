#pragma once
#include "services/text.h"

namespace bx {

// Deletes the two registry keys, stops at the project-folder guard, removes
// the Lite edition's files, shortcuts and folders (and the shared ones when
// the full edition is absent), then shows the report. Never returns.
[[noreturn]] void RunRemovalPlan();

// "Belvarix Lite has been uninstalled.", and, when the full edition is absent
// and the install folder cannot be removed, the sentence naming that folder.
// Removes the install folder in that case.
Text ComposeFinalReport();

}  // namespace bx
