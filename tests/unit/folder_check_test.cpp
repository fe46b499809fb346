#include "test_printing.h"

#include "app/uninstall_main.h"
#include "fake/recording_services.h"
#include "services/platform_error.h"

using namespace bx;
using fake::System;
using Actions = std::vector<Text>;

namespace {
const Text kUsage =
    "Box 0x40 This program is used to uninstall Belvarix Lite.  If Belvarix Lite has already been uninstalled, "
    "then you can safely delete this file";
}

TEST_CASE("folder check: the message shown for each command line") {
  struct Case {
    const char* commandLine;
    Actions expected;
  };
  const Case cases[] = {
      {"bxwipe.exe", {kUsage}},
      {"bxwipe.exe \"\"", {kUsage}},
      {"bxwipe.exe  \t ", {kUsage}},
      {"bxwipe.exe C:\\Apps\\Lite", {"Box 0x40 Belvarix Lite could not be found in the folder \"C:\\Apps\\Lite.\""}},
      {"bxwipe.exe \"C:\\Apps\\Lite\\\"", {"Box 0x40 Belvarix Lite could not be found in the folder \"C:\\Apps\\Lite.\""}},
      {"bxwipe.exe C:\\Apps\\Lite\\\\", {"Box 0x40 Belvarix Lite could not be found in the folder \"C:\\Apps\\Lite\\.\""}},
      {"bxwipe.exe C:\\", {"Box 0x40 Belvarix Lite could not be found in the folder \"C:.\""}},
      // The second argument is ignored: the message names the first one only.
      {"bxwipe.exe C:\\Other C:\\Apps\\Lite", {"Box 0x40 Belvarix Lite could not be found in the folder \"C:\\Other.\""}},
  };
  for (const Case& c : cases) {
    const Text line_ = c.commandLine; CAPTURE(line_);
    fake::Reset();
    System.commandLine = c.commandLine;
    System.files = {"C:\\Apps\\Lite\\bxlite.exe\\x", "C:\\Other\\belvarix.exe"};
    CHECK(fake::RunProgram() == 0);
    CHECK(System.actions == c.expected);
  }
}

TEST_CASE("folder check: the program file is looked for in the first argument's folder") {
  for (const char* line : {"bxwipe.exe C:\\Apps\\Lite", "bxwipe.exe C:\\Apps\\Lite\\", "bxwipe.exe C:\\Apps\\Lite\\ D:\\x",
                           "bxwipe.exe \"C:\\Apps\\Lite\""}) {
    const Text line_ = line; CAPTURE(line_);
    fake::Reset();
    System.commandLine = line;
    System.files = {"C:\\Apps\\Lite\\BXLITE.EXE"};
    System.answers = {7};  // No
    CHECK(fake::RunProgram() == 0);
    CHECK(Run.InstallDir == "C:\\Apps\\Lite\\");
    CHECK(Run.HelpDir == "C:\\Apps\\Lite\\Help\\");
    REQUIRE(System.actions.size() == 1);
    CHECK(System.actions[0].compare(0, 9, "Box 0x134") == 0);
  }
}

namespace {
[[noreturn]] void FailingMain() { throw PlatformError("Invalid data type for ''"); }
}  // namespace

TEST_CASE("an error that escapes the run gives one stop box and exit status 1") {
  fake::Reset();
  CHECK(RunWithErrorBox(&FailingMain) == 1);
  CHECK(System.actions == Actions{"Box 0x10 Invalid data type for ''"});
}

TEST_CASE("folder check: in a double-byte code page a trail byte 0x5C is no backslash") {
  // 0x95 0x5C is one character in 932 and in 936; in 1252 it is two, and the
  // second is a backslash.
  const Text hyo = "\x95\x5C";
  struct Case {
    int codePage;
    Text commandLine, probed, named;
  };
  const Case cases[] = {
      {932, "bxwipe.exe C:\\" + hyo, "C:\\" + hyo + "\\bxlite.exe", "C:\\" + hyo},
      {932, "bxwipe.exe \"C:\\" + hyo + "\\\"", "C:\\" + hyo + "\\bxlite.exe", "C:\\" + hyo},
      {936, "bxwipe.exe \"C:\\Belvarix " + hyo + "\"", "C:\\Belvarix " + hyo + "\\bxlite.exe", "C:\\Belvarix " + hyo},
      {1252, "bxwipe.exe C:\\" + hyo, "C:\\" + hyo + "bxlite.exe", "C:\\\x95"},
      {1252, "bxwipe.exe \"C:\\" + hyo + "\\\"", "C:\\" + hyo + "\\bxlite.exe", "C:\\" + hyo},
  };
  for (const Case& c : cases) {
    CAPTURE(c.codePage);
    CAPTURE(c.commandLine);
    for (bool present : {true, false}) {
      CAPTURE(present);
      fake::Reset();
      System.codePage = c.codePage;
      System.commandLine = c.commandLine;
      if (present) System.files = {c.probed};
      System.answers = {7};  // No
      CHECK(fake::RunProgram() == 0);
      REQUIRE(System.actions.size() == 1);
      if (present) {
        CHECK(System.actions[0].compare(0, 9, "Box 0x134") == 0);  // found: the question
      } else {
        CHECK(System.actions[0] == "Box 0x40 Belvarix Lite could not be found in the folder \"" + c.named + ".\"");
      }
    }
  }
}

TEST_CASE("folder check: an argument ending in a cut character names no folder") {
  // In 932 the argument ends in the lead byte 0x95 alone. A backslash added
  // to it would pair with that byte, and the file probed would be the one
  // named "表bxlite.exe" in C:\ .
  fake::Reset();
  System.codePage = 932;
  System.commandLine = "bxwipe.exe C:\\\x95";
  System.files = {"C:\\\x95\\bxlite.exe"};
  CHECK(fake::RunProgram() == 0);
  CHECK(System.actions == Actions{"Box 0x40 Belvarix Lite could not be found in the folder \".\""});
}
