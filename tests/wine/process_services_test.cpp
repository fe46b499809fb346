#include "test_printing.h"

#include "driver/scratch.h"
#include "services/process.h"

using namespace bx;
using namespace bx::test;

TEST_CASE("IsExistingFile on the real file system") {
  const Text dir = "C:\\bxtest\\exists\\";
  RemoveTree("C:\\bxtest\\exists");
  WriteFile(dir + "bxlite.exe");
  WriteFile(dir + "old.exe");
  SetFileYear(dir + "old.exe", 1975);
  MakeFolders(dir + "folder.exe");
  WriteFile(dir + "a1.exe");

  struct Case {
    Text path;
    bool expected;
  };
  const Case cases[] = {
      {dir + "bxlite.exe", true},
      {dir + "BXLITE.EXE", true},   // names match without regard to case
      {dir + "old.exe", true},      // dated 1975, before the DOS date range
      {dir + "folder.exe", false},  // a folder never counts
      {dir + "folder.exe\\", false},
      {dir + "missing.exe", false},
      {"C:\\bxtest\\no such folder\\bxlite.exe", false},
      {dir + "*.exe", false},       // a pattern names no one file
      {dir + "a?.exe", false},
      {"", false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.path);
    CHECK(IsExistingFile(c.path) == c.expected);
  }
}

TEST_CASE("the caption of every box") { CHECK(Text(MessageCaption) == "Belvarix Lite Uninstall"); }
