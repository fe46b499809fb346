#include "wine/run_checked.h"

#include <cstdio>
#include <map>

namespace bx::test {

const Text kCaption = "Belvarix Lite Uninstall";
const Text kQuestion =
    "IMPORTANT!  Belvarix Lite is used when editing style sheets from within third-party editors, even when the "
    "full version of Belvarix is installed.\r\n\r\nRemoving Belvarix Lite will disable this feature.  Are you sure "
    "you want to uninstall it?";
const Text kDone = "Belvarix Lite has been uninstalled.";

namespace {

struct Figures {
  int runs = 0;
  int lost = 0;
  std::map<Text, int> rows;
  std::vector<Text> ranOn;
  ~Figures() {
    for (const Text& line : ranOn) std::printf("ran on: %s\n", line.c_str());
    std::printf("safety: %d runs under the whole-machine diff, %d entries lost outside the expected removals\n", runs,
                lost);
    std::printf("safety: %d process starts tried again after Wine's transient error 1359\n", StartRetries());
    for (const auto& [table, count] : rows) std::printf("safety: table \"%s\": %d rows\n", table.c_str(), count);
  }
};
Figures figures;

}  // namespace

void CountRow(const char* table) { ++figures.rows[table]; }

void NoteRanOn(const Text& line) { figures.ranOn.push_back(line); }

Text NotFound(const Text& folder) { return "Belvarix Lite could not be found in the folder \"" + folder + ".\""; }

Text DoneButLeft(const Text& folder) {
  return kDone + "  However, some files will need to be manually removed from \"" + folder + "\"";
}

std::vector<Text> Outcome::texts() const {
  std::vector<Text> all;
  for (const SeenBox& box : run.boxes) all.push_back(box.text);
  return all;
}

Outcome RunChecked(const Text& args, const Answerer& answer, const std::vector<Text>& mustGo,
                   const std::vector<Text>& mustStay, const std::vector<Text>& mayGo) {
  const Snapshot before = TakeSnapshot();
  Outcome outcome;
  RunOptions options;
  options.currentDirectory = "C:\\bxtest\\cwd";
  MakeFolders(options.currentDirectory);
  outcome.run = RunAndAnswer("\"" + ProgramDirectory() + "bxwipe.exe\" " + args, answer, options);
  outcome.problems = UnexpectedChanges(before, TakeSnapshot(), mustGo, mustStay, mayGo);
  ++figures.runs;
  for (const Text& problem : outcome.problems) {
    if (problem.rfind("lost: ", 0) == 0) ++figures.lost;
  }
  for (const SeenBox& box : outcome.run.boxes) CHECK(box.caption == kCaption);
  CHECK_FALSE(outcome.run.timedOut);
  return outcome;
}

int AnswerClose(const SeenBox&) { return 0; }

}  // namespace bx::test
