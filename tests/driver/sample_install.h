#pragma once
// A complete sample installation of Belvarix Lite 1.5, with decoys around it:
// things with the same names or near names that no run may touch.

#include <string>
#include <vector>

namespace bx::test {

using Text = std::string;

struct SampleLayout {
  Text installDir;      // no trailing backslash
  Text helpDir;         // installDir\Help
  Text desktop;         // the shell's desktop folder
  Text commonGroup;     // all users' Start-menu group "Belvarix 1.5"
  Text userGroup;       // the current user's
  Text workingDir;      // where the program is started, full of decoys
};

// Where a sample at installDir lives; nothing is created.
SampleLayout LayoutFor(const Text& installDir);

// Creates every file, shortcut and folder of the installation, its two
// registry keys with values and subkeys, and the decoys. The shortcuts go to
// the group of the Windows family the program will see (NT: all users').
SampleLayout MakeSample(const Text& installDir, bool ntFamily = true);

// Removes what MakeSample made, decoys included.
void RemoveSample(const SampleLayout& layout);

// The places (see IsUnder) that a Yes must remove: the first tier only when
// the full edition is present, otherwise everything of the installation.
std::vector<Text> FirstTierPlaces(const SampleLayout& layout, bool ntFamily = true);
std::vector<Text> AllPlaces(const SampleLayout& layout, bool ntFamily = true);

// The two registry keys of the installation.
extern const char kUninstallKey[];
extern const char kAppPathsKey[];
extern const char kAppPathsRoot[];

}  // namespace bx::test
