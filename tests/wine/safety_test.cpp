// Bad input and odd machine states, end to end: whatever happens, nothing
// outside the fixed list is removed.
#include "wine/run_checked.h"

using namespace bx::test;

namespace {

const Text kBad = "C:\\bxtest\\bad";
const Text kLite = kBad + "\\Lite";  // an installation path without blanks
const Text kUsage =
    "This program is used to uninstall Belvarix Lite.  If Belvarix Lite has already been uninstalled, then you can "
    "safely delete this file";

struct Expect {
  std::vector<Text> texts;
  DWORD exitCode = 0;
};

void CheckOutcome(const Outcome& o, const Expect& e) {
  CHECK(o.texts() == e.texts);
  CHECK(o.run.exitCode == e.exitCode);
  CHECK(o.problems == std::vector<Text>{});
}

}  // namespace

TEST_CASE("bad command lines: the message, exit 0, and nothing removed unless the folder is a real installation") {
  RemoveTree(kBad);
  const SampleLayout lite = MakeSample(kLite);
  WriteFile(kBad + "\\file.txt");
  const Text longFolder = kBad + "\\" + Text(300, 'L');
  const Text nearMax = kBad + "\\" + Text(32000, 'a');

  struct Row {
    Text name;
    Text args;
    Expect expect;
  };
  std::vector<Row> rows = {
      {"empty quotes", "\"\"", {{kUsage}}},
      {"blanks only", " \t\r\n ", {{kUsage}}},
      {"unbalanced quote", "\"" + kLite, {{kQuestion}}},
      {"unbalanced quote after the folder", kLite + "\"", {{kQuestion}}},
      {"near 32K characters", "\"" + nearMax + "\"", {{NotFound(nearMax)}}},
      {"folder over MAX_PATH", longFolder, {{NotFound(longFolder)}}},
      {"UNC path", "\\\\bxnohost\\share\\Lite", {{NotFound("\\\\bxnohost\\share\\Lite")}}},
      {"star", kBad + "\\*", {{NotFound(kBad + "\\*")}}},
      {"question mark", kBad + "\\Lit?", {{NotFound(kBad + "\\Lit?")}}},
      {"star in a parent", kBad + "\\*\\Lite", {{NotFound(kBad + "\\*\\Lite")}}},
      {"a file given as the folder", kBad + "\\file.txt", {{NotFound(kBad + "\\file.txt")}}},
      {"the program file given as the folder", kLite + "\\BXLite.exe", {{NotFound(kLite + "\\BXLite.exe")}}},
      {"dot-dot components", kBad + "\\nowhere\\..\\Lite", {{kQuestion}}},
      {"the folder twice", kLite + " " + kLite, {{kQuestion}}},
  };
  for (int code = 1; code <= 32; ++code) {
    rows.push_back({"separator " + std::to_string(code), Text(1, static_cast<char>(code)) + kLite, {{kQuestion}}});
  }
  for (const Row& row : rows) {
    CAPTURE(row.name);
    CountRow("bad command lines");
    // No to the question: these rows check what is shown, the removal is covered below.
    CheckOutcome(RunChecked(row.args, AnswerNo, {}), row.expect);
  }
  RemoveSample(lite);
}

TEST_CASE("bad command lines that name a real installation, answered Yes, remove exactly it") {
  RemoveTree(kBad);
  struct Row {
    Text name;
    Text folder;  // where the sample is made
    Text args;
  };
  const Row rows[] = {
      {"bytes above 0x7F", kBad + "\\Lit\xE9 \xC4\xFF", "\"" + kBad + "\\Lit\xE9 \xC4\xFF\""},
      {"dot-dot components", kLite, kBad + "\\nowhere\\..\\Lite"},
      {"the folder twice", kLite, kLite + " " + kLite},
      {"a control character as separator", kLite, "\x1F" + kLite + "\x01"},
  };
  for (const Row& row : rows) {
    CAPTURE(row.name);
    CountRow("bad command lines");
    const SampleLayout layout = MakeSample(row.folder);
    CheckOutcome(RunChecked(row.args, AnswerYes, AllPlaces(layout)), {{kQuestion, kDone}});
    RemoveSample(layout);
  }
}

TEST_CASE("the drive root as the install folder: only the listed names there go") {
  CountRow("bad command lines");
  const SampleLayout layout = MakeSample("C:\\bxtest\\root-case");  // decoys, incl. listed names in C:\ .
  DeleteFileA("C:\\BXLite.exe");
  CheckOutcome(RunChecked("C:\\", AnswerYes, {}), {{NotFound("C:")}});

  CountRow("bad command lines");
  WriteFile("C:\\bxlite.exe");
  WriteFile("C:\\backup\\Belvarix Lite.lnk");
  const Outcome o = RunChecked("C:\\", AnswerYes,
                               {"HKLM\\" + Text(kUninstallKey), "HKLM\\" + Text(kAppPathsKey), "C:\\bxlite.exe",
                                "C:\\backup", "C:\\BXHelp.exe", "C:\\user\\elements.dat", "C:\\user",
                                "C:\\Help\\index.htm", "C:\\Help", layout.desktop + "\\Belvarix Lite.lnk",
                                layout.commonGroup});
  CheckOutcome(o, {{kQuestion, DoneButLeft("C:")}});
  RemoveSample(layout);
}

TEST_CASE("App Paths values of every type") {
  const Text key = Text(kAppPathsRoot) + "homesite45.exe";
  const SampleLayout layout = MakeSample(kLite);
  WriteFile(kBad + "\\HS\\homesite45.exe");
  MakeFolders(kBad + "\\HS\\folder.exe");
  const std::vector<unsigned char> big(1 << 20, 'h');
  const Text path = kBad + "\\HS\\homesite45.exe";
  const Text homeSiteQuestion = kQuestion.substr(0, kQuestion.find(", even")) + " such as Allaire HomeSite" +
                                kQuestion.substr(kQuestion.find(", even"));
  struct Row {
    Text name;
    DWORD type;
    std::vector<unsigned char> data;
    Expect expect;
  };
  auto bytes = [](const Text& s, bool nul) {
    std::vector<unsigned char> v(s.begin(), s.end());
    if (nul) v.push_back(0);
    return v;
  };
  std::vector<Row> rows = {
      {"REG_SZ", REG_SZ, bytes(path, true), {{homeSiteQuestion}}},
      {"REG_EXPAND_SZ", REG_EXPAND_SZ, bytes(path, true), {{homeSiteQuestion}}},
      {"empty", REG_SZ, {}, {{kQuestion}}},
      {"unterminated", REG_SZ, bytes(path, false), {{homeSiteQuestion}}},
      {"1 MB", REG_SZ, big, {{kQuestion}}},
      {"wildcard", REG_SZ, bytes(kBad + "\\HS\\*.exe", true), {{kQuestion}}},
      {"a folder", REG_SZ, bytes(kBad + "\\HS\\folder.exe", true), {{kQuestion}}},
  };
  const Expect stop{{"Invalid data type for ''"}, 1};
  for (DWORD type : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
    rows.push_back({"type " + std::to_string(type), type, bytes("C:\\x", true), stop});
  }
  for (const Row& row : rows) {
    CAPTURE(row.name);
    CountRow("registry values");
    SetValue(HKEY_LOCAL_MACHINE, key, "", row.type, row.data.data(), static_cast<DWORD>(row.data.size()));
    CheckOutcome(RunChecked("\"" + kLite + "\"", AnswerNo, {}), row.expect);
    DeleteTree(HKEY_LOCAL_MACHINE, key);
  }

  SUBCASE("a wildcard registered for the full edition does not make it present") {
    CountRow("registry values");
    WriteFile(kBad + "\\Full\\belvarix.exe");
    SetString(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "belvarix.exe", "", kBad + "\\Full\\*.exe");
    CheckOutcome(RunChecked("\"" + kLite + "\"", AnswerYes, AllPlaces(layout)), {{kQuestion, kDone}});
    DeleteTree(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "belvarix.exe");
  }
  RemoveSample(layout);
  RemoveTree(kBad);
}

TEST_CASE("file-system states of listed items: passed over where they cannot go, nothing else touched") {
  const Text I = kLite;
  const Text H = kLite + "\\Help";
  const Text other = "C:\\bxtest\\linked-target";
  struct Row {
    Text name;
    std::function<void()> arrange;
    std::vector<Text> mustStay;
    std::vector<Text> mayGo;
    bool folderLeft;
  };
  const Row rows[] = {
      {"read-only listed file",
       [&] { SetFileAttributesA((I + "\\BXHelp.exe").c_str(), FILE_ATTRIBUTE_READONLY); },
       {I + "\\BXHelp.exe", I}, {}, true},
      {"hidden and system listed files go",
       [&] {
         SetFileAttributesA((I + "\\BXHelp.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
         SetFileAttributesA((I + "\\user\\fontgrp.dat").c_str(), FILE_ATTRIBUTE_SYSTEM);
       },
       {}, {}, false},
      {"hidden and system files in a purged folder stay",
       [&] {
         SetFileAttributesA((H + "\\images\\logo.gif").c_str(), FILE_ATTRIBUTE_HIDDEN);
         SetFileAttributesA((H + "\\index.htm").c_str(), FILE_ATTRIBUTE_SYSTEM);
       },
       {H + "\\images\\logo.gif", H + "\\images", H + "\\index.htm", H, I}, {}, true},
      {"missing listed items", [&] {
         DeleteFileA((I + "\\BXHelp.exe").c_str());
         RemoveTree(I + "\\cssdefs");
       }, {}, {}, false},
      {"a folder where a file is listed",
       [&] {
         DeleteFileA((I + "\\BXHelp.exe").c_str());
         WriteFile(I + "\\BXHelp.exe\\inside.txt");
       },
       {I + "\\BXHelp.exe", I + "\\BXHelp.exe\\inside.txt", I}, {}, true},
      {"a file where a folder is listed",
       [&] {
         RemoveTree(I + "\\backup");
         WriteFile(I + "\\backup", "a file named backup");
       },
       {I + "\\backup", I}, {}, true},
      {"a linked help sub-folder",
       [&] {
         RemoveTree(H + "\\images");
         MakeFolderLink(H + "\\images", other);
       },
       {H, I}, {H + "\\images"}, true},
      {"a linked help folder",
       [&] {
         RemoveTree(H);
         WriteFile(other + "\\images\\photo.gif");
         WriteFile(other + "\\CSS Basics\\notes.htm");
         MakeFolderLink(H, other);
       },
       {I}, {H}, true},
      {"a path over MAX_PATH inside the installation",
       [&] {
         // The ANSI functions stop at MAX_PATH, so the file is made from the unix side.
         const Text images = H + "\\images";
         RunUnix("/usr/bin/touch '" + UnixPath(images) + "/" + Text(240, 'g') + ".gif'", [images] {
           WIN32_FIND_DATAA entry;
           HANDLE find = FindFirstFileA((images + "\\g*").c_str(), &entry);
           if (find == INVALID_HANDLE_VALUE) return false;
           FindClose(find);
           return true;
         });
       },
       {H + "\\images", H, I}, {H + "\\images\\" + Text(240, 'g') + ".gif"}, true},
  };
  for (const Row& row : rows) {
    CAPTURE(row.name);
    CountRow("file-system states");
    RemoveTree(other);
    WriteFile(other + "\\precious.htm");
    WriteFile(other + "\\images\\mine.gif");
    const SampleLayout layout = MakeSample(kLite);
    row.arrange();
    const Outcome o = RunChecked("\"" + kLite + "\"", AnswerYes, AllPlaces(layout), row.mustStay, row.mayGo);
    CheckOutcome(o, {{kQuestion, row.folderLeft ? DoneButLeft(kLite) : kDone}});
    RemoveSample(layout);
  }
  RemoveTree(other);
}

TEST_CASE("an uninstall key of 10,000 subkeys, and one 100 deep, go completely") {
  const SampleLayout layout = MakeSample(kLite);
  struct Row {
    const char* name;
    std::function<void()> arrange;
  };
  const Row rows[] = {
      {"10,000 keys",
       [] {
         for (int i = 0; i < 100; ++i) {
           for (int j = 0; j < 99; ++j) CreateKey(HKEY_LOCAL_MACHINE, Text(kUninstallKey) + "\\k" + std::to_string(i) + "\\s" + std::to_string(j));
         }
       }},
      {"100 deep",
       [] {
         Text path = kUninstallKey;
         for (int i = 0; i < 100; ++i) path += "\\level" + std::to_string(i);
         CreateKey(HKEY_LOCAL_MACHINE, path);
       }},
  };
  for (const Row& row : rows) {
    CAPTURE(row.name);
    CountRow("key trees");
    MakeSample(kLite);
    row.arrange();
    CheckOutcome(RunChecked("\"" + kLite + "\"", AnswerYes, AllPlaces(layout)), {{kQuestion, kDone}});
    CHECK_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  }
  RemoveSample(layout);
}
