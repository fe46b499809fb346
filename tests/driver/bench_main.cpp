// bxbench.exe ROUNDS: times bxwipe.exe on the standard sample installation
// against the floor program, then on large help folders and uninstall keys,
// rounds alternating, and prints medians. Run by tools/bench.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "box_driver.h"
#include "sample_install.h"
#include "scratch.h"

using namespace bx::test;

namespace {

const Text kInstall = "C:\\bxbench\\Belvarix Lite";

struct Timing {
  double totalMs;
  double removalMs;  // from the click on Yes to the report box
  std::size_t peak;
};

Timing Measure(const Text& exe, const Text& args) {
  const RunResult run = RunAndAnswer("\"" + ProgramDirectory() + exe + "\" " + args, AnswerYes);
  if (run.boxes.size() != 2 || run.exitCode != 0) {
    std::fprintf(stderr, "unexpected run of %s: %zu boxes, exit %lu\n", exe.c_str(), run.boxes.size(),
                 static_cast<unsigned long>(run.exitCode));
    std::exit(1);
  }
  return {run.totalMs, run.boxes[1].shownAtMs - run.boxes[0].answeredAtMs, run.peakMemoryBytes};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void AddHelpFiles(int count) {
  for (int i = 0; i < count; ++i) WriteFile(kInstall + "\\Help\\images\\img" + std::to_string(i) + ".gif");
}

void AddUninstallSubkeys(int count) {
  HKEY key;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  for (int i = 0; i < count; ++i) {
    HKEY sub;
    RegCreateKeyExA(key, ("sub" + std::to_string(i)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr);
    RegCloseKey(sub);
  }
  RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const Text args = "\"" + kInstall + "\"";

  std::vector<double> wipeTotal, wipeRemoval, floorTotal, floorRemoval;
  std::size_t peak = 0;
  for (int round = 0; round < rounds; ++round) {
    MakeSample(kInstall);
    const Timing wipe = Measure("bxwipe.exe", args);
    wipeTotal.push_back(wipe.totalMs);
    wipeRemoval.push_back(wipe.removalMs);
    peak = std::max(peak, wipe.peak);
    const Timing floor = Measure("bxfloor.exe", "");
    floorTotal.push_back(floor.totalMs);
    floorRemoval.push_back(floor.removalMs);
  }
  std::printf("standard %.1f %.2f %.1f %.2f %zu\n", Median(wipeTotal), Median(wipeRemoval), Median(floorTotal),
              Median(floorRemoval), peak);

  struct Scale {
    const char* name;
    void (*add)(int);
  };
  for (const Scale& scale : {Scale{"helpfiles", AddHelpFiles}, Scale{"subkeys", AddUninstallSubkeys}}) {
    for (int count : {1000, 10000}) {
      std::vector<double> removal;
      for (int round = 0; round < rounds; ++round) {
        MakeSample(kInstall);
        scale.add(count);
        removal.push_back(Measure("bxwipe.exe", args).removalMs);
      }
      std::printf("%s %d %.2f\n", scale.name, count, Median(removal));
      std::fflush(stdout);
    }
  }
  RemoveSample(LayoutFor(kInstall));
  RemoveTree("C:\\bxbench");
  return 0;
}
