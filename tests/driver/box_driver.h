#pragma once
// Starts a program with an exact command line and plays the user: finds each
// message box the program shows, reads it, and presses a button.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bx::test {

using Text = std::string;

struct SeenBox {
  HWND window = nullptr;
  Text caption;
  Text text;
  std::vector<int> buttons;  // IDOK..IDNO present, in id order
  int defaultButton = 0;     // the one with BS_DEFPUSHBUTTON, or 0
  int answer = 0;            // button pressed; 0 means the box was closed
  double shownAtMs = 0;      // since the program started
  double answeredAtMs = 0;
};

struct RunResult {
  DWORD exitCode = 0;
  bool timedOut = false;
  std::vector<SeenBox> boxes;
  double totalMs = 0;
  std::size_t peakMemoryBytes = 0;  // peak working set seen while a box was up, 0 if unknown
};

// Returns the button to press for a box; 0 closes it with WM_CLOSE; a
// negative value leaves it to a person at the screen.
using Answerer = std::function<int(const SeenBox&)>;

// Yes to a question, OK to a notice.
int AnswerYes(const SeenBox& box);
// No to a question, OK to a notice.
int AnswerNo(const SeenBox& box);

struct RunOptions {
  Text currentDirectory;                          // empty: the driver's own
  DWORD timeoutMs = 30000;
  std::function<void(const SeenBox&)> onBox;      // called when a box appears, before the answer
};

// Runs commandLine through CreateProcessA exactly as given.
RunResult RunAndAnswer(const Text& commandLine, const Answerer& answer, const RunOptions& options = {});

// Name of a button id ("Yes", "No", "OK", ...).
const char* ButtonName(int id);

// The directory of the running test program, with a trailing backslash.
Text ProgramDirectory();

}  // namespace bx::test
