#include "services/process.h"

#include <windows.h>

#include <cstdlib>

#include "services/command_line.h"
#include "services/path_rules.h"
#include "services/win32/unique_handle.h"

namespace bx {

const char MessageCaption[] = "Belvarix Lite Uninstall";

int GetArgumentCount() { return ArgumentCount(GetCommandLineA()); }

Text GetArgument(int n) { return ArgumentAt(GetCommandLineA(), n); }

int ShowUninstallMessage(const Text& text, unsigned flags) {
  return MessageBoxA(nullptr, text.c_str(), MessageCaption, flags);
}

bool IsExistingFile(const Text& path) {
  // A pattern would match some other file; a name the listing could not
  // spell in the ANSI code page comes back with "?" and must not match either.
  if (ContainsWildcard(path)) return false;
  WIN32_FIND_DATAA entry;
  const UniqueFind find(FindFirstFileA(path.c_str(), &entry));
  return find && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void EndRun() { std::exit(0); }

}  // namespace bx
