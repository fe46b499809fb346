#include "test_printing.h"

#include "driver/scratch.h"
#include "services/files.h"
#include "services/win_values.h"

using namespace bx;
using namespace bx::test;

namespace {
const Text kRoot = "C:\\bxtest\\files";
}

TEST_CASE("DeleteFileIfExists and RemoveFolder") {
  RemoveTree(kRoot);
  const Text dir = kRoot + "\\basic\\";
  WriteFile(dir + "plain.txt");
  WriteFile(dir + "readonly.txt");
  SetFileAttributesA((dir + "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  MakeFolders(dir + "folder");
  MakeFolders(dir + "empty1");
  MakeFolders(dir + "empty2");

  CHECK(DeleteFileIfExists(dir + "PLAIN.TXT"));
  CHECK_FALSE(Exists(dir + "plain.txt"));
  CHECK_FALSE(DeleteFileIfExists(dir + "plain.txt"));
  CHECK_FALSE(DeleteFileIfExists(dir + "folder"));
  CHECK(IsFolder(dir + "folder"));
  CHECK_FALSE(DeleteFileIfExists(dir + "readonly.txt"));
  CHECK(Exists(dir + "readonly.txt"));

  CHECK(RemoveFolder(dir + "empty1"));
  CHECK(RemoveFolder(dir + "empty2\\"));
  CHECK_FALSE(Exists(dir + "empty1"));
  CHECK_FALSE(Exists(dir + "empty2"));
  CHECK_FALSE(RemoveFolder(dir + "empty2"));
  CHECK_FALSE(RemoveFolder(dir));  // not empty
  CHECK(IsFolder(dir));
}

TEST_CASE("PurgeFolder") {
  RemoveTree(kRoot);
  const Text other = kRoot + "\\other";
  WriteFile(other + "\\precious.htm");
  WriteFile(other + "\\images\\mine.gif");

  struct Case {
    Text name;
    std::vector<Text> plain;     // deleted
    std::vector<Text> staying;   // hidden or system files, .keep, sub-folder files
    bool linked;                 // the folder is a symlink to `other`
    bool trailingBackslash;
    bool expected;
  };
  const Case cases[] = {
      {"mixed", {"a.htm", "b.gif"}, {"hidden.htm", "system.htm", "sub\\c.htm"}, false, false, false},
      {"only a.htm", {"a.htm"}, {}, false, false, true},
      {"only a.htm, trailing backslash", {"a.htm"}, {}, false, true, true},
      {"read-only file stays", {}, {"ro.htm"}, false, false, false},
      {".keep", {}, {".keep"}, false, false, false},
      {"missing folder", {}, {}, false, false, false},
      {"linked folder", {}, {}, true, false, false},
      {"linked folder, trailing backslash", {}, {}, true, true, false},
  };
  int index = 0;
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const Text dir = kRoot + "\\case" + std::to_string(index++);
    if (c.linked) {
      MakeFolderLink(dir, other);
    } else if (c.name != "missing folder") {
      MakeFolders(dir);
      for (const Text& f : c.plain) WriteFile(dir + "\\" + f);
      for (const Text& f : c.staying) WriteFile(dir + "\\" + f);
      if (c.name == "mixed") {
        SetFileAttributesA((dir + "\\hidden.htm").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA((dir + "\\system.htm").c_str(), FILE_ATTRIBUTE_SYSTEM);
      }
      if (c.name == "read-only file stays") SetFileAttributesA((dir + "\\ro.htm").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    CHECK(PurgeFolder(c.trailingBackslash ? dir + "\\" : dir) == c.expected);
    for (const Text& f : c.plain) CHECK_MESSAGE(!Exists(dir + "\\" + f), f);
    for (const Text& f : c.staying) CHECK_MESSAGE(Exists(dir + "\\" + f), f);
    if (c.name != "missing folder") CHECK(Exists(dir) == !c.expected);
    CHECK(Exists(other + "\\precious.htm"));
  }

  SUBCASE("a folder inside a linked folder") {
    MakeFolderLink(kRoot + "\\linked", other);
    CHECK_FALSE(PurgeFolder(kRoot + "\\linked\\images"));
    CHECK(Exists(other + "\\images\\mine.gif"));
  }
}

TEST_CASE("special folders and the Windows family") {
  for (int csidl : {kCsidlDesktop, kCsidlPrograms, kCsidlCommonPrograms}) {
    CAPTURE(csidl);
    const Text path = GetSpecialFolderPath(csidl);
    CHECK(path.size() > 3);
    CHECK(path == SpecialFolder(csidl));
  }
  CHECK(GetSpecialFolderPath(0x7F).empty());  // no such folder: empty, not the current directory
  CHECK(IsWindowsNT());
}
