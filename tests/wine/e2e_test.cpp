// The real bxwipe.exe, started with exact command lines and answered box by
// box, with the whole machine compared before and after each run.
#include "wine/run_checked.h"

#include <cstdio>

using namespace bx::test;

namespace {
const Text kInstall = "C:\\bxtest\\e2e\\Belvarix Lite";
}  // namespace

TEST_SUITE_BEGIN("e2e");

TEST_CASE("no argument: the usage box, nothing changed") {
  MakeSample(kInstall);
  for (const Text args : {"", "\"\"", " \t "}) {
    CAPTURE(args);
    const Outcome o = RunChecked(args, AnswerYes, {});
    CHECK(o.texts() == std::vector<Text>{"This program is used to uninstall Belvarix Lite.  If Belvarix Lite has "
                                         "already been uninstalled, then you can safely delete this file"});
    REQUIRE(o.run.boxes.size() == 1);
    CHECK(o.run.boxes[0].buttons == std::vector<int>{IDOK});
    CHECK(o.run.exitCode == 0);
    CHECK(o.problems == std::vector<Text>{});
  }
}

TEST_CASE("not found: the folder named as given, one trailing backslash removed") {
  MakeSample(kInstall);
  struct Case {
    Text args, named;
  };
  const Case cases[] = {
      {"C:\\bxtest\\e2e\\Empty", "C:\\bxtest\\e2e\\Empty"},
      {"\"C:\\bxtest\\e2e\\Empty\\\"", "C:\\bxtest\\e2e\\Empty"},
      {"C:\\bxtest\\e2e\\Belvarix Lite", "C:\\bxtest\\e2e\\Belvarix"},  // unquoted: the folder ends at the blank
      {"\"" + kInstall + "\\Help\"", kInstall + "\\Help"},
  };
  MakeFolders("C:\\bxtest\\e2e\\Empty");
  for (const Case& c : cases) {
    CAPTURE(c.args);
    const Outcome o = RunChecked(c.args, AnswerYes, {});
    CHECK(o.texts() == std::vector<Text>{"Belvarix Lite could not be found in the folder \"" + c.named + ".\""});
    CHECK(o.run.exitCode == 0);
    CHECK(o.problems == std::vector<Text>{});
  }
}

TEST_CASE("the question: Yes and No, No the default; anything but Yes changes nothing") {
  MakeSample(kInstall);
  struct Case {
    const char* name;
    Answerer answer;
  };
  const Case cases[] = {{"No", AnswerNo}, {"closed", AnswerClose}};
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const Outcome o = RunChecked("\"" + kInstall + "\\\"", c.answer, {});
    REQUIRE(o.run.boxes.size() == 1);
    const SeenBox& box = o.run.boxes[0];
    CHECK(box.text == kQuestion);
    CHECK(box.buttons == std::vector<int>{IDYES, IDNO});
    CHECK(box.defaultButton == IDNO);
    CHECK(o.run.exitCode == 0);
    CHECK(o.problems == std::vector<Text>{});
  }
}

TEST_CASE("a non-string App Paths value: one stop box, exit status 1, nothing changed") {
  MakeSample(kInstall);
  const DWORD number = 45;
  SetValue(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "homesite45.exe", "", REG_DWORD, &number, sizeof number);
  const Outcome o = RunChecked("\"" + kInstall + "\"", AnswerYes, {});
  DeleteTree(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "homesite45.exe");
  REQUIRE(o.run.boxes.size() == 1);
  CHECK(o.run.boxes[0].text == "Invalid data type for ''");
  CHECK(o.run.exitCode == 1);
  CHECK(o.problems == std::vector<Text>{});
}

TEST_CASE("full removal: everything of the installation goes, every decoy stays") {
  const SampleLayout layout = MakeSample(kInstall);
  const Outcome o = RunChecked("\"" + kInstall + "\"", AnswerYes, AllPlaces(layout));
  CHECK(o.texts() == std::vector<Text>{kQuestion, kDone});
  CHECK(o.run.exitCode == 0);
  CHECK(o.problems == std::vector<Text>{});
  CHECK_FALSE(Exists(kInstall));

  SUBCASE("a second run finds nothing") {
    const Outcome again = RunChecked("\"" + kInstall + "\"", AnswerYes, {});
    CHECK(again.texts() == std::vector<Text>{"Belvarix Lite could not be found in the folder \"" + kInstall + ".\""});
    CHECK(again.problems == std::vector<Text>{});
  }
}

TEST_CASE("full edition present: only the first tier goes and the report has one sentence") {
  struct Case {
    const char* name;
    bool inFolder;
  };
  for (const Case& c : {Case{"in the install folder", true}, Case{"registered elsewhere", false}}) {
    CAPTURE(c.name);
    const SampleLayout layout = MakeSample(kInstall);
    const Text full = c.inFolder ? kInstall + "\\belvarix.exe" : "C:\\bxtest\\full\\belvarix.exe";
    WriteFile(full);
    if (!c.inFolder) SetString(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "belvarix.exe", "", full);
    const Outcome o = RunChecked("\"" + kInstall + "\"", AnswerYes, FirstTierPlaces(layout));
    DeleteTree(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "belvarix.exe");
    RemoveTree("C:\\bxtest\\full");
    CHECK(o.texts() == std::vector<Text>{kQuestion, kDone});
    CHECK(o.problems == std::vector<Text>{});
    CHECK(Exists(kInstall + "\\BXHelp.exe"));
  }
}

TEST_CASE("items that cannot go are passed over; the report names the folder") {
  const SampleLayout layout = MakeSample(kInstall);
  SUBCASE("a user file") {
    WriteFile(kInstall + "\\user\\my styles.css");
    const Outcome o = RunChecked("\"" + kInstall + "\\\"", AnswerYes, AllPlaces(layout),
                                 {kInstall + "\\user\\my styles.css", kInstall + "\\user", kInstall});
    CHECK(o.texts() == std::vector<Text>{kQuestion, kDone + "  However, some files will need to be manually removed "
                                                            "from \"" + kInstall + "\""});
    CHECK(o.problems == std::vector<Text>{});
  }
  SUBCASE("a read-only file and a file held open by another process") {
    SetFileAttributesA((kInstall + "\\cssdefs\\CSS Level 1.def").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE held = CreateFileA((kInstall + "\\Help\\images\\logo.gif").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    const Outcome o = RunChecked("\"" + kInstall + "\"", AnswerYes, AllPlaces(layout),
                                 {kInstall + "\\cssdefs", kInstall + "\\cssdefs\\CSS Level 1.def", kInstall + "\\Help\\images\\logo.gif",
                                  kInstall + "\\Help\\images", layout.helpDir, kInstall});
    CloseHandle(held);
    CHECK(o.texts().size() == 2);
    CHECK(o.texts().back() == kDone + "  However, some files will need to be manually removed from \"" + kInstall + "\"");
    CHECK(o.problems == std::vector<Text>{});
    // Everything after the two stuck files still went.
    CHECK_FALSE(Exists(kInstall + "\\user"));
    CHECK_FALSE(Exists(kInstall + "\\Help\\CSS Basics"));
  }
}

TEST_CASE("the project-folder guard: keys deleted, then one box, no file touched") {
  MakeFolders("C:\\bxtest\\fdrive");
  MapDrive("F:", "C:\\bxtest\\fdrive");
  for (const Text folder : {"F:\\Projects\\Lite", "F:\\PROJECTS\\Lite\\", "F:\\ProjectsOld"}) {
    CAPTURE(folder);
    const SampleLayout layout = MakeSample(WithoutTrailingBackslash(folder));
    const Outcome o = RunChecked("\"" + folder + "\"", AnswerYes,
                                 {"HKLM\\" + Text(kUninstallKey), "HKLM\\" + Text(kAppPathsKey)});
    CHECK(o.texts() == std::vector<Text>{kQuestion, "CANT RUN IN PROJECT FOLDER"});
    CHECK(o.run.exitCode == 0);
    CHECK(o.problems == std::vector<Text>{});
    RemoveSample(layout);
  }
  UnmapDrive("F:");
}

TEST_SUITE_END();

TEST_SUITE("versions") {
TEST_CASE("every Windows version: the family decides the program group, and everything goes") {
  const Text appDefaults = "Software\\Wine\\AppDefaults\\";
  struct Row {
    const char* version;
    bool ntFamily;
  };
  const Row rows[] = {{"win95", false}, {"win98", false}, {"winme", false}, {"nt40", true},
                      {"win2k", true},  {"winxp", true},  {"win7", true},   {"win10", true}};
  for (const Row& row : rows) {
    CAPTURE(row.version);
    // What Wine reports to a program under this setting: the probe shows
    // whether it took the setting at all.
    SetString(HKEY_CURRENT_USER, appDefaults + "bxversion.exe", "Version", row.version);
    const RunResult probe = RunAndAnswer("\"" + ProgramDirectory() + "bxversion.exe\"", AnswerYes);
    DeleteTree(HKEY_CURRENT_USER, appDefaults + "bxversion.exe");
    const DWORD platform = probe.exitCode >> 16;
    CHECK(platform == (row.ntFamily ? 2u : 1u));

    SetString(HKEY_CURRENT_USER, appDefaults + "bxwipe.exe", "Version", row.version);
    const SampleLayout layout = MakeSample(kInstall, row.ntFamily);
    const Outcome o = RunChecked("\"" + kInstall + "\"", AnswerYes, AllPlaces(layout, row.ntFamily));
    DeleteTree(HKEY_CURRENT_USER, appDefaults + "bxwipe.exe");
    CHECK(o.texts() == std::vector<Text>{kQuestion, kDone});
    CHECK(o.problems == std::vector<Text>{});
    // The other family's group is left alone.
    CHECK(Exists((row.ntFamily ? layout.userGroup : layout.commonGroup) + "\\Belvarix Lite.lnk"));

    const bool good = platform == (row.ntFamily ? 2u : 1u) && o.texts() == std::vector<Text>{kQuestion, kDone} &&
                      o.problems.empty();
    char line[160];
    std::snprintf(line, sizeof line, "Windows %s: Wine reports platform %lu, version %lu.%lu; %s group, %s",
                  row.version, static_cast<unsigned long>(platform), static_cast<unsigned long>(probe.exitCode >> 8 & 0xFF),
                  static_cast<unsigned long>(probe.exitCode & 0xFF), row.ntFamily ? "all users'" : "the user's",
                  good ? "full uninstall, exact diff" : "FAILED");
    NoteRanOn(line);
    RemoveSample(layout);
  }
}
}  // TEST_SUITE
