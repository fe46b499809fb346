#pragma once
// What else is installed, and the question whether to go on.

#include "services/text.h"

namespace bx {

// True when the App Paths entry of programFileName holds a non-empty path
// naming an existing file. The path is used exactly as stored.
bool IsAppRegistered(const Text& programFileName);

bool IsHomeSiteInstalled();
bool IsColdFusionStudioInstalled();

// The full edition's program file in the install folder, or registered.
bool IsFullEditionInstalled();

// The warning, worded by Run.HasHomeSite and Run.HasColdFusionStudio.
Text ComposeConfirmation();

// Fills the probe results, asks Yes/No and goes on to the removal only on
// Yes. Never returns.
[[noreturn]] void ConfirmUninstall();

}  // namespace bx
