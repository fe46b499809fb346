// bxdemo.exe: makes a sample installation, shows it, and runs bxwipe.exe on
// it while printing every message box and the answer given.
//   bxdemo sample DIR            make the sample installation (and decoys)
//   bxdemo show DIR              print its files, shortcuts and registry keys
//   bxdemo run [--answer yes|no|person] [--screenshots UNIXDIR] ARGS
//                                run bxwipe.exe ARGS (the exact command-line tail)
//   bxdemo clean DIR             remove the sample
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "box_driver.h"
#include "sample_install.h"
#include "scratch.h"

using namespace bx::test;

namespace {

void PrintTree(const Text& dir, const Text& indent) {
  ForEachEntry(dir, [&](const WIN32_FIND_DATAA& entry) {
    const Text name = entry.cFileName;
    const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    std::printf("%s%s%s\n", indent.c_str(), name.c_str(), folder ? "\\" : "");
    if (folder) PrintTree(dir + "\\" + name, indent + "    ");
  });
}

void PrintKey(HKEY root, const Text& shownRoot, const Text& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    std::printf("  %s\\%s  (absent)\n", shownRoot.c_str(), path.c_str());
    return;
  }
  DWORD subkeys = 0, values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  std::printf("  %s\\%s  (%lu values, %lu subkeys)\n", shownRoot.c_str(), path.c_str(),
              static_cast<unsigned long>(values), static_cast<unsigned long>(subkeys));
  RegCloseKey(key);
}

void Show(const Text& dir) {
  const SampleLayout layout = LayoutFor(dir);
  std::printf("Install folder %s:\n", dir.c_str());
  if (!IsFolder(dir)) std::printf("    (absent)\n");
  PrintTree(dir, "    ");
  for (const Text& group : {layout.commonGroup, layout.userGroup}) {
    std::printf("Program group %s:\n", group.c_str());
    if (!IsFolder(group)) std::printf("    (absent)\n");
    PrintTree(group, "    ");
  }
  std::printf("Desktop shortcut %s\\Belvarix Lite.lnk: %s\n", layout.desktop.c_str(),
              Exists(layout.desktop + "\\Belvarix Lite.lnk") ? "present" : "absent");
  std::printf("Registry:\n");
  PrintKey(HKEY_LOCAL_MACHINE, "HKLM", kUninstallKey);
  PrintKey(HKEY_LOCAL_MACHINE, "HKLM", kAppPathsKey);
}

// The box's text as the box lays it out: one margin line per line of text.
// A box breaks lines at CR LF, and at a lone CR or LF as well.
Text InMargin(const Text& text) {
  Text out = "  |   ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\n  |   ";
    } else {
      out += text[i];
    }
  }
  return out;
}

int RunDemo(int argc, char** argv, int first) {
  Text answer = "yes";
  Text screenshots;
  int i = first;
  for (; i < argc; ++i) {
    if (std::strcmp(argv[i], "--answer") == 0 && i + 1 < argc) {
      answer = argv[++i];
    } else if (std::strcmp(argv[i], "--screenshots") == 0 && i + 1 < argc) {
      screenshots = argv[++i];
    } else {
      break;
    }
  }
  Text args;
  for (; i < argc; ++i) args += (args.empty() ? "" : " ") + Text(argv[i]);
  const Text commandLine = "\"" + ProgramDirectory() + "bxwipe.exe\" " + args;
  std::printf("> %s\n", commandLine.c_str());
  Answerer answerer = answer == "no" ? Answerer(AnswerNo) : Answerer(AnswerYes);
  if (answer == "person") answerer = [](const SeenBox&) { return -1; };
  int shot = 0;
  RunOptions options;
  options.timeoutMs = answer == "person" ? 600000 : 30000;
  options.onBox = [&](const SeenBox& box) {
    Text buttons;
    for (int id : box.buttons) buttons += Text(buttons.empty() ? "" : " ") + "[" + ButtonName(id) + (id == box.defaultButton ? "*" : "") + "]";
    std::printf("\n  +-- %s\n%s\n  |\n  |   %s   (* = default)\n", box.caption.c_str(), InMargin(box.text).c_str(),
                buttons.c_str());
    if (!screenshots.empty()) {
      // A box the user looks at is the active window, with its caption lit.
      SetForegroundWindow(box.window);
      for (int i = 0; i < 100 && GetForegroundWindow() != box.window; ++i) Sleep(10);
      Sleep(300);  // let the window paint
      // Wine does not wait for a unix program, so the picture is written under
      // a scratch name and renamed when whole; a file of an earlier demo must
      // not count as this one.
      const Text file = screenshots + "/box-" + std::to_string(++shot) + ".png";
      DeleteFileA(("Z:" + file).c_str());
      RunUnix("/usr/bin/import -window root 'png:" + file + ".part' && mv '" + file + ".part' '" + file + "'", [file] {
        return GetFileAttributesA(("Z:" + file).c_str()) != INVALID_FILE_ATTRIBUTES;
      });
      std::printf("  |   screenshot: %s\n", file.c_str());
    }
    const int id = answerer(box);
    std::printf("  +-> %s\n", id < 0 ? "answered by a person" : ButtonName(id));
    std::fflush(stdout);
  };
  const RunResult result = RunAndAnswer(commandLine, answerer, options);
  std::printf("\n  exit status %lu%s\n\n", static_cast<unsigned long>(result.exitCode), result.timedOut ? " (timed out)" : "");
  return result.timedOut ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "sample") == 0) {
    MakeSample(argv[2]);
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "show") == 0) {
    Show(argv[2]);
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "clean") == 0) {
    RemoveSample(LayoutFor(argv[2]));
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "run") == 0) return RunDemo(argc, argv, 2);
  std::fprintf(stderr, "usage: bxdemo sample|show|clean DIR | run [--answer yes|no|person] [--screenshots DIR] ARGS\n");
  return 2;
}
