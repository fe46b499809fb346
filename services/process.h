#pragma once
// Command line, message boxes, the file test and the end of the process.

#include "services/text.h"

namespace bx {

// "Belvarix Lite Uninstall": the caption of every box the program shows.
extern const char MessageCaption[];

// Number of arguments after the program name (see SplitCommandLine).
int GetArgumentCount();

// Argument n, counted from 1; the empty text when there are fewer than n.
Text GetArgument(int n);

// MessageBoxA with no owner window and MessageCaption; returns the button
// pressed, or 0 when the box could not be shown.
int ShowUninstallMessage(const Text& text, unsigned flags);

// True when a file-system entry matches path and is not a folder. A path with
// a wildcard never names one file, so it is false.
bool IsExistingFile(const Text& path);

// Ends the process with exit status 0 after the normal shutdown.
[[noreturn]] void EndRun();

}  // namespace bx
