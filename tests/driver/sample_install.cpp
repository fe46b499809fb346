#include "sample_install.h"

#include <shlobj.h>

#include "scratch.h"

namespace bx::test {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Belvarix Lite (Version 1.5)";
const char kAppPathsRoot[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\bxlite.exe";

namespace {

const char* const kFirstTierInstallFiles[] = {"BXLite.exe", "backup\\bxwipe.exe", "backup\\Belvarix Lite.lnk"};
const char* const kSharedInstallFiles[] = {
    "BXHelp.exe",
    "Purchase Belvarix.url",
    "cssdefs\\Opera 3.5.def",
    "cssdefs\\Netscape 4.def",
    "cssdefs\\Internet Explorer 5.5.def",
    "cssdefs\\Internet Explorer 5.def",
    "cssdefs\\Internet Explorer 4.def",
    "cssdefs\\Internet Explorer 3.def",
    "cssdefs\\CSS Level 2.def",
    "cssdefs\\CSS Level 1.def",
    "cssdefs\\property.dat",
    "user\\templates\\sample.css",
    "user\\templates\\sample2.css",
    "user\\templates\\ocean.css",
    "user\\templates\\charcoal.css",
    "user\\templates\\headline.css",
    "user\\elements.dat",
    "user\\pseudocl.dat",
    "user\\pseudoel.dat",
    "user\\fontgrp.dat",
};
const char* const kFirstTierHelpFiles[] = {"Belvarix Lite\\index.htm", "Belvarix Lite\\toc.htm", "keywords.bvx",
                                           "titles.bvx"};
const char* const kSharedHelpFiles[] = {"images\\logo.gif", "images\\arrow.gif", "CSS Basics\\selectors.htm",
                                        "HomeSite Integration\\setup.htm", "index.htm", "style.css"};

// The same relative names, placed where only a wrongly formed path would reach.
const char* const kStrayNames[] = {"BXLite.exe",        "Belvarix Lite.lnk",       "Purchase Belvarix.lnk",
                                   "keywords.bvx",      "titles.bvx",              "backup\\bxwipe.exe",
                                   "BXHelp.exe",        "Belvarix 1.5\\Belvarix Lite.lnk", "user\\elements.dat",
                                   "images\\logo.gif",  "Help\\index.htm",         "index.htm"};

Text Parent(const Text& path) { return ParentOf(path); }

}  // namespace

SampleLayout LayoutFor(const Text& installDir) {
  SampleLayout layout;
  layout.installDir = installDir;
  layout.helpDir = installDir + "\\Help";
  layout.desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
  layout.commonGroup = SpecialFolder(CSIDL_COMMON_PROGRAMS) + "\\Belvarix 1.5";
  layout.userGroup = SpecialFolder(CSIDL_PROGRAMS) + "\\Belvarix 1.5";
  layout.workingDir = "C:\\bxtest\\cwd";
  return layout;
}

SampleLayout MakeSample(const Text& installDir, bool ntFamily) {
  const SampleLayout layout = LayoutFor(installDir);
  RemoveSample(layout);
  const Text group = ntFamily ? layout.commonGroup : layout.userGroup;
  const Text otherGroup = ntFamily ? layout.userGroup : layout.commonGroup;

  for (const char* name : kFirstTierInstallFiles) WriteFile(installDir + "\\" + name);
  for (const char* name : kSharedInstallFiles) WriteFile(installDir + "\\" + name);
  for (const char* name : kFirstTierHelpFiles) WriteFile(layout.helpDir + "\\" + name);
  for (const char* name : kSharedHelpFiles) WriteFile(layout.helpDir + "\\" + name);
  WriteFile(layout.desktop + "\\Belvarix Lite.lnk");
  WriteFile(group + "\\Belvarix Lite.lnk");
  WriteFile(group + "\\Purchase Belvarix.lnk");

  SetString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Belvarix Lite 1.5");
  SetString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString",
            installDir + "\\backup\\bxwipe.exe \"" + installDir + "\\\"");
  SetString(HKEY_LOCAL_MACHINE, Text(kUninstallKey) + "\\Components\\Help", "", "installed");
  SetString(HKEY_LOCAL_MACHINE, kAppPathsKey, "", installDir + "\\BXLite.exe");
  SetString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", installDir);
  SetString(HKEY_LOCAL_MACHINE, Text(kAppPathsKey) + "\\SupportedTypes", ".css", "");

  // Decoys. Registry: neighbours of both keys, and the same keys under HKCU.
  SetString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Belvarix Lite (Version 1.4)",
            "DisplayName", "Belvarix Lite 1.4");
  SetString(HKEY_LOCAL_MACHINE, Text(kUninstallKey) + " Help", "DisplayName", "decoy");
  SetString(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "bxlite.exe.bak", "", "C:\\bxtest\\decoy\\bxlite.exe");
  SetString(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "bxhelp.exe", "", installDir + "\\BXHelp.exe");
  SetString(HKEY_CURRENT_USER, kUninstallKey, "DisplayName", "decoy");
  SetString(HKEY_CURRENT_USER, kAppPathsKey, "", installDir + "\\BXLite.exe");
  // Files: siblings of the install folder, of the group and on the desktop.
  WriteFile(installDir + " Old\\BXLite.exe");
  WriteFile(installDir + " Old\\Help\\index.htm");
  WriteFile(installDir + "2\\user\\elements.dat");
  WriteFile(Parent(installDir) + "\\BXHelp.exe");
  WriteFile(Parent(installDir) + "\\backup\\bxwipe.exe");
  WriteFile(group + " Extras\\Belvarix Lite.lnk");
  WriteFile(otherGroup + "\\Belvarix Lite.lnk");
  WriteFile(Parent(group) + "\\Belvarix Lite.lnk");
  WriteFile(layout.desktop + "\\Belvarix.lnk");
  WriteFile(layout.desktop + "\\Belvarix Lite.lnk.txt");
  // The relative names in the working directory and in the drive root.
  for (const char* name : kStrayNames) {
    WriteFile(layout.workingDir + "\\" + name);
    WriteFile(Text("C:\\") + name);
  }
  return layout;
}

void RemoveSample(const SampleLayout& layout) {
  for (const Text& place :
       {layout.installDir, layout.installDir + " Old", layout.installDir + "2", Parent(layout.installDir) + "\\BXHelp.exe",
        Parent(layout.installDir) + "\\backup", layout.commonGroup, layout.userGroup, layout.commonGroup + " Extras",
        layout.userGroup + " Extras", Parent(layout.commonGroup) + "\\Belvarix Lite.lnk",
        Parent(layout.userGroup) + "\\Belvarix Lite.lnk", layout.desktop + "\\Belvarix Lite.lnk",
        layout.desktop + "\\Belvarix.lnk", layout.desktop + "\\Belvarix Lite.lnk.txt", layout.workingDir}) {
    RemoveTree(place);
  }
  for (const char* name : kStrayNames) {
    const Text path = Text("C:\\") + name;
    RemoveTree(path);
    if (Text(name).find('\\') != Text::npos) RemoveTree(Parent(path));
  }
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    DeleteTree(root, kUninstallKey);
    DeleteTree(root, kAppPathsKey);
  }
  DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Belvarix Lite (Version 1.4)");
  DeleteTree(HKEY_LOCAL_MACHINE, Text(kUninstallKey) + " Help");
  DeleteTree(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "bxlite.exe.bak");
  DeleteTree(HKEY_LOCAL_MACHINE, Text(kAppPathsRoot) + "bxhelp.exe");
}

std::vector<Text> FirstTierPlaces(const SampleLayout& layout, bool ntFamily) {
  const Text group = ntFamily ? layout.commonGroup : layout.userGroup;
  return {
      "HKLM\\" + Text(kUninstallKey),
      "HKLM\\" + Text(kAppPathsKey),
      layout.installDir + "\\BXLite.exe",
      layout.desktop + "\\Belvarix Lite.lnk",
      group + "\\Belvarix Lite.lnk",
      group + "\\Purchase Belvarix.lnk",
      layout.helpDir + "\\Belvarix Lite",
      layout.helpDir + "\\keywords.bvx",
      layout.helpDir + "\\titles.bvx",
      layout.installDir + "\\backup",
  };
}

std::vector<Text> AllPlaces(const SampleLayout& layout, bool ntFamily) {
  std::vector<Text> places = FirstTierPlaces(layout, ntFamily);
  places.push_back(layout.installDir);
  places.push_back(ntFamily ? layout.commonGroup : layout.userGroup);
  return places;
}

}  // namespace bx::test
