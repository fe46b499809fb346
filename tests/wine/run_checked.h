#pragma once
// Runs of the real bxwipe.exe under the whole-machine diff, shared by the
// end-to-end tests.

#include "test_printing.h"

#include <functional>
#include <string>
#include <vector>

#include "box_driver.h"
#include "machine_snapshot.h"
#include "sample_install.h"
#include "scratch.h"

namespace bx::test {

extern const Text kCaption;
extern const Text kQuestion;  // the wording when no companion editor is found
extern const Text kDone;

// "Belvarix Lite could not be found in the folder "<folder>.""
Text NotFound(const Text& folder);
// The report when the folder stays.
Text DoneButLeft(const Text& folder);

struct Outcome {
  RunResult run;
  std::vector<Text> problems;  // differences from the expected removals
  std::vector<Text> texts() const;
};

// Runs bxwipe.exe with the command-line tail args from a working directory
// full of decoys, answers with answer, and compares the machine before and
// after (see UnexpectedChanges). Every box must bear the caption.
Outcome RunChecked(const Text& args, const Answerer& answer, const std::vector<Text>& mustGo,
                   const std::vector<Text>& mustStay = {}, const std::vector<Text>& mayGo = {});

int AnswerClose(const SeenBox&);

// Counts for the safety figures the suite prints when it ends: runs under the
// diff, rows per table, and the entries lost outside the expectation.
void CountRow(const char* table);

// A line for the table of what the uninstaller ran on, printed with the figures.
void NoteRanOn(const Text& line);

}  // namespace bx::test
