#pragma once

namespace bx {

// The whole run: folder check, confirmation, removal and report. Never
// returns; every path ends in EndRun.
[[noreturn]] void UninstallMain();

// Runs main and turns an error that escapes it into a stop-icon box naming
// the error. Returns the exit status for that case (1).
int RunWithErrorBox(void (*main)());

}  // namespace bx
