#include "fake/recording_services.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "services/code_page.h"
#include "services/command_line.h"
#include "services/files.h"
#include "services/platform_error.h"
#include "services/process.h"
#include "services/registry.h"

namespace bx {
namespace fake {

FakeSystem System;

bool NoCaseLess::operator()(const Text& a, const Text& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

void Reset() {
  System = FakeSystem{};
  Run = RunContext{};
}

std::vector<Text> ActionsStartingWith(const Text& prefix) {
  std::vector<Text> found;
  for (const Text& action : System.actions) {
    if (action.compare(0, prefix.size(), prefix) == 0) found.push_back(action);
  }
  return found;
}

namespace {
void Record(const char* what, const Text& subject) { System.actions.push_back(Text(what) + " " + subject); }
}  // namespace

}  // namespace fake

using fake::Record;
using fake::System;

const char MessageCaption[] = "Belvarix Lite Uninstall";

int GetArgumentCount() { return ArgumentCount(System.commandLine.c_str()); }

Text GetArgument(int n) { return ArgumentAt(System.commandLine.c_str(), n); }

int ShowUninstallMessage(const Text& text, unsigned flags) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", flags);
  Record("Box", Text(hex) + " " + text);
  if (System.answers.empty()) return 1;
  const int answer = System.answers.front();
  System.answers.erase(System.answers.begin());
  return answer;
}

bool IsExistingFile(const Text& path) { return System.files.count(path) != 0; }

void EndRun() { throw fake::RunEnded{}; }

Text ReadRegistryString(RegistryRoot root, const Text& keyPath, const Text& valueName, const Text& defaultText) {
  if (root != kLocalMachine || !valueName.empty()) return defaultText;
  const auto found = System.defaultValues.find(keyPath);
  if (found == System.defaultValues.end()) return defaultText;
  if (found->second.wrongType) throw PlatformError("Invalid data type for ''");
  return found->second.data;
}

void DeleteRegistryKey(RegistryRoot, const Text& keyPath) { Record("DeleteRegistryKey", keyPath); }

bool DeleteFileIfExists(const Text& path) {
  Record("DeleteFileIfExists", path);
  return System.files.erase(path) != 0;
}

bool RemoveFolder(const Text& path) {
  Record("RemoveFolder", path);
  return System.foldersThatStay.count(path) == 0;
}

bool PurgeFolder(const Text& folder) {
  Record("PurgeFolder", folder);
  return System.foldersThatStay.count(folder) == 0;
}

Text GetSpecialFolderPath(int csidl) {
  const auto found = System.specialFolders.find(csidl);
  return found == System.specialFolders.end() ? Text() : found->second;
}

bool IsWindowsNT() { return System.windowsNT; }

bool IsAnsiLeadByte(unsigned char byte) {
  switch (System.codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936: case 949: case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
  }
}

void NotifyFolderChanged(const Text& folder) { Record("NotifyFolderChanged", folder); }

}  // namespace bx
