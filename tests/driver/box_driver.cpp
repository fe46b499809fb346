#include "box_driver.h"

#include <psapi.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "scratch.h"

namespace bx::test {
namespace {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD processId;
  std::set<HWND>* handled;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (Text(className) != "#32770" || search->handled->count(window) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

SeenBox ReadBox(HWND box) {
  SeenBox seen;
  seen.window = box;
  char buffer[65536];
  GetWindowTextA(box, buffer, sizeof buffer);
  seen.caption = buffer;
  buffer[0] = '\0';
  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
  seen.text = buffer;
  for (int id = IDOK; id <= IDNO; ++id) {
    HWND button = GetDlgItem(box, id);
    if (button == nullptr) continue;
    seen.buttons.push_back(id);
    if ((GetWindowLongA(button, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON) seen.defaultButton = id;
  }
  return seen;
}

}  // namespace

int AnswerYes(const SeenBox& box) {
  for (int id : box.buttons) {
    if (id == IDYES) return IDYES;
  }
  return IDOK;
}

int AnswerNo(const SeenBox& box) {
  for (int id : box.buttons) {
    if (id == IDNO) return IDNO;
  }
  return IDOK;
}

const char* ButtonName(int id) {
  switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "(closed)";
  }
}

Text ProgramDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  Text directory = path;
  return directory.substr(0, directory.rfind('\\') + 1);
}

RunResult RunAndAnswer(const Text& commandLine, const Answerer& answer, const RunOptions& options) {
  RunResult result;
  const double start = NowMs();
  const PROCESS_INFORMATION process = StartProcess(commandLine, options.currentDirectory);
  CloseHandle(process.hThread);

  std::set<HWND> handled;
  for (;;) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    if (NowMs() - start > options.timeoutMs) {
      result.timedOut = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
    Search search{process.dwProcessId, &handled, nullptr};
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
      // A short wait on the process rather than a spin: on two cores a
      // spinning driver takes the time the program and the server need.
      WaitForSingleObject(process.hProcess, 2);
      continue;
    }
    HWND box = search.found;
    handled.insert(box);
    // The program waits in its box: a good moment to read its memory, which
    // cannot be read once it has exited.
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
      result.peakMemoryBytes = std::max<std::size_t>(result.peakMemoryBytes, memory.PeakWorkingSetSize);
    }
    SeenBox seen = ReadBox(box);
    seen.shownAtMs = NowMs() - start;
    if (options.onBox) options.onBox(seen);
    seen.answer = answer(seen);
    seen.answeredAtMs = NowMs() - start;
    HWND button = seen.answer > 0 ? GetDlgItem(box, seen.answer) : nullptr;
    if (seen.answer < 0) {
      // A person answers this one.
    } else if (button != nullptr) {
      SendMessageA(button, BM_CLICK, 0, 0);
    } else {
      seen.answer = 0;
      PostMessageA(box, WM_CLOSE, 0, 0);
    }
    result.boxes.push_back(seen);
    // Wait until this box is gone, so that the next one found is a new box.
    while (IsWindow(box) && WaitForSingleObject(process.hProcess, 2) == WAIT_TIMEOUT) {
    }
    handled.erase(box);
  }
  result.totalMs = NowMs() - start;
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace bx::test
