// Folder names whose last character ends in the byte 0x5C, run in the ANSI
// code page this test program was started in (tools/wine-run's BX_LOCALE):
// in 932, 936 and 950 that byte is half of a character; in 1252 the same
// bytes are a character and a backslash, and keep the byte rule.
#include "wine/run_checked.h"

#include <iterator>

using namespace bx::test;

namespace {

const Text kParent = "C:\\bxtest\\cp";

struct Chars {
  Text a, b, c;  // each two bytes, the second 0x5C
};

Chars CharsOfThisCodePage() {
  if (GetACP() == 950) return {"\xB3\x5C", "\xA5\x5C", "\xB6\x5C"};  // 許 功 跚
  return {"\x95\x5C", "\x83\x5C", "\x94\x5C"};                         // 表 ソ 能 in 932
}

// What a run must do: remove the sample installed in folder completely, or
// leave all alone and name folder in the not-found box.
struct Expect {
  bool removes;
  Text folder;
};

}  // namespace

TEST_SUITE("e2e") {
TEST_CASE("code page: a folder whose name ends in a trail byte 0x5C") {
  const Chars ch = CharsOfThisCodePage();
  const bool dbcs = IsAnsiLead(static_cast<unsigned char>(ch.a[0]));
  const Text p = kParent + "\\";
  const Text spaced = p + "Belvarix " + ch.b;
  struct Row {
    Text args;
    Expect dbcs, sbcs;
    bool userFile = false;
  };
  // The single-byte column: a trailing 0x5C is a backslash, so the folder is
  // the one-byte name before it, and a not-found name loses that byte. A
  // backslash after it makes two, which the file system reads as one.
  const Row rows[] = {
      {p + ch.a, {true, p + ch.a}, {true, p + ch.a[0]}},
      {"\"" + p + ch.a + "\"", {true, p + ch.a}, {true, p + ch.a[0]}},
      {p + ch.a + "\\", {true, p + ch.a}, {true, p + ch.a[0]}},
      {"\"" + p + ch.a + "\\\"", {true, p + ch.a}, {true, p + ch.a[0]}},
      {"\"" + spaced + "\"", {true, spaced}, {true, spaced.substr(0, spaced.size() - 1)}},
      {"\"" + spaced + "\\\"", {true, spaced}, {false, spaced}},
      {"\"" + p + ch.c + "\"", {false, p + ch.c}, {false, p + ch.c[0]}},
      {p + ch.c + "\\", {false, p + ch.c}, {false, p + ch.c}},
      {"\"" + p + ch.a + "\"", {true, p + ch.a}, {true, p + ch.a[0]}, true},
  };
  int asExpected = 0;
  for (const Row& row : rows) {
    CAPTURE(row.args);
    CAPTURE(row.userFile);
    const Expect& expect = dbcs ? row.dbcs : row.sbcs;
    // A sample installation is there in every row; where the run must not
    // find it, it is a decoy that must survive.
    const SampleLayout layout = MakeSample(expect.removes ? expect.folder : p + (dbcs ? ch.a : Text(1, ch.a[0])));
    // Beside it, what a byte-wise rule would reach by joining the names
    // straight onto the folder's last character.
    const char* const joined[] = {"bxlite.exe", "BXLite.exe", "BXHelp.exe", "Help\\keywords.bvx", "backup\\bxwipe.exe"};
    if (dbcs) {
      for (const char* name : joined) WriteFile(layout.installDir + name);
    }
    if (row.userFile) WriteFile(layout.installDir + "\\user\\my styles.css");
    const std::vector<Text> stay = row.userFile ? std::vector<Text>{layout.installDir + "\\user\\my styles.css",
                                                                    layout.installDir + "\\user", layout.installDir}
                                                : std::vector<Text>{};
    const Outcome o = RunChecked(row.args, AnswerYes, expect.removes ? AllPlaces(layout) : std::vector<Text>{}, stay);
    std::vector<Text> texts{NotFound(expect.folder)};
    if (expect.removes) texts = {kQuestion, row.userFile ? DoneButLeft(expect.folder) : kDone};
    CHECK(o.texts() == texts);
    CHECK(o.run.exitCode == 0);
    CHECK(o.problems == std::vector<Text>{});
    if (o.texts() == texts && o.problems.empty()) ++asExpected;
    if (dbcs) {
      for (const char* name : joined) RemoveTree(layout.installDir + name);
    }
    RemoveSample(layout);
  }
  RemoveTree(kParent);
  NoteRanOn("code page " + std::to_string(GetACP()) + ": " + std::to_string(asExpected) + " of " +
            std::to_string(std::size(rows)) + " folder names ending in a 0x5C byte as expected (" +
            (dbcs ? "whole characters" : "byte rule") + ")");
}
}  // TEST_SUITE
