#pragma once
// A recording stand-in for the services: the logic's tests link it in place of
// the Win32 layer, set up a machine state here, and read back every action and
// every box in order.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "uninstall/run_context.h"
#include "services/text.h"

namespace bx::fake {

struct NoCaseLess {
  bool operator()(const Text& a, const Text& b) const;
};

// A registry default value as the stand-in holds it.
struct FakeValue {
  Text data;
  bool wrongType = false;  // reading it raises "Invalid data type for ''"
};

struct FakeSystem {
  Text commandLine = "bxwipe.exe";
  std::set<Text, NoCaseLess> files;                   // existing files (not folders)
  std::map<Text, FakeValue, NoCaseLess> defaultValues;  // key path -> its default value
  std::map<int, Text> specialFolders;                 // CSIDL -> path; missing: lookup fails
  bool windowsNT = true;
  int codePage = 1252;                                // ANSI code page: 1252, 932, 936, 949 or 950
  std::set<Text, NoCaseLess> foldersThatStay;         // RemoveFolder fails for these
  std::vector<int> answers;                           // box results, in order; then IDOK (1)

  // What the run did: "DeleteRegistryKey <key>", "DeleteFileIfExists <path>",
  // "PurgeFolder <path>", "RemoveFolder <path>", "NotifyFolderChanged <path>",
  // "Box <flags hex> <text>".
  std::vector<Text> actions;
};

extern FakeSystem System;

// Thrown by the stand-in's EndRun, so that a test sees the run end.
struct RunEnded {};

// Resets the stand-in and the run's state.
void Reset();

// Runs UninstallMain through the entry's error handler; returns the exit status.
int RunProgram();

// The entries of System.actions that start with prefix.
std::vector<Text> ActionsStartingWith(const Text& prefix);

}  // namespace bx::fake
