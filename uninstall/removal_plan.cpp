#include "uninstall/removal_plan.h"

#include <cstddef>
#include <iterator>

#include "app/run_context.h"
#include "services/files.h"
#include "services/process.h"
#include "services/registry.h"
#include "services/win_values.h"
#include "uninstall/path_rules.h"

namespace bx {
namespace {

const char ProjectFolderMarker[] = "f:\\projects";

enum class Action { Delete, Purge, RemoveFolder };
enum class Base { Install, Help, ProgramGroup, Desktop };

struct RemovalStep {
  Action action;
  Base base;
  const char* relativeName;
};

// The Lite edition's own items come first; everything from kSharedFrom on is
// shared with the full edition. Names stay letter for letter as the installer
// wrote them; the file system matches them without regard to case. Every
// folder is emptied before it is removed.
const RemovalStep kRemovalPlan[] = {
    {Action::Delete, Base::Install, "BXLite.exe"},
    {Action::Delete, Base::Desktop, "Belvarix Lite.lnk"},
    {Action::Delete, Base::ProgramGroup, "Belvarix Lite.lnk"},
    {Action::Delete, Base::ProgramGroup, "Purchase Belvarix.lnk"},
    {Action::Purge, Base::Help, "Belvarix Lite"},
    {Action::Delete, Base::Help, "keywords.bvx"},
    {Action::Delete, Base::Help, "titles.bvx"},
    {Action::Delete, Base::Install, "backup\\bxwipe.exe"},
    {Action::Delete, Base::Install, "backup\\Belvarix Lite.lnk"},
    {Action::RemoveFolder, Base::Install, "backup"},
    // Shared with the full edition.
    {Action::RemoveFolder, Base::ProgramGroup, ""},
    {Action::Delete, Base::Install, "BXHelp.exe"},
    {Action::Delete, Base::Install, "Purchase Belvarix.url"},
    {Action::Delete, Base::Install, "CSSDefs\\Opera 3.5.def"},
    {Action::Delete, Base::Install, "cssdefs\\Netscape 4.def"},
    {Action::Delete, Base::Install, "cssdefs\\Internet Explorer 5.5.def"},
    {Action::Delete, Base::Install, "cssdefs\\Internet Explorer 5.def"},
    {Action::Delete, Base::Install, "cssdefs\\Internet Explorer 4.def"},
    {Action::Delete, Base::Install, "cssdefs\\Internet Explorer 3.def"},
    {Action::Delete, Base::Install, "cssdefs\\CSS Level 2.def"},
    {Action::Delete, Base::Install, "cssdefs\\CSS Level 1.def"},
    {Action::Delete, Base::Install, "cssdefs\\property.dat"},
    {Action::RemoveFolder, Base::Install, "cssdefs"},
    {Action::Purge, Base::Help, "images"},
    {Action::Purge, Base::Help, "CSS Basics"},
    {Action::Purge, Base::Help, "HomeSite Integration"},
    {Action::Purge, Base::Help, ""},
    {Action::Delete, Base::Install, "user\\templates\\sample.css"},
    {Action::Delete, Base::Install, "user\\templates\\sample2.css"},
    {Action::Delete, Base::Install, "user\\templates\\ocean.css"},
    {Action::Delete, Base::Install, "user\\templates\\charcoal.css"},
    {Action::Delete, Base::Install, "user\\templates\\headline.css"},
    {Action::RemoveFolder, Base::Install, "user\\templates"},
    {Action::Delete, Base::Install, "user\\elements.dat"},
    {Action::Delete, Base::Install, "user\\pseudocl.dat"},
    {Action::Delete, Base::Install, "user\\pseudoel.dat"},
    {Action::Delete, Base::Install, "user\\fontgrp.dat"},
    {Action::RemoveFolder, Base::Install, "user"},
};
constexpr std::size_t kSharedFrom = 10;

// The special folder with a trailing backslash, or empty when the shell
// cannot tell it: an empty base must never be joined to a relative name, as
// that would address the current directory.
Text SpecialFolder(int csidl) { return AddTrailingBackslash(GetSpecialFolderPath(csidl)); }

void Perform(Action action, const Text& path) {
  switch (action) {
    case Action::Delete: DeleteFileIfExists(path); break;
    case Action::Purge: PurgeFolder(path); break;
    case Action::RemoveFolder: RemoveFolder(path); break;
  }
}

}  // namespace

Text ComposeFinalReport() {
  Text report = "Belvarix Lite has been uninstalled.";
  if (!Run.FullEditionPresent && !RemoveFolder(Run.InstallDir)) {
    report += "  However, some files will need to be manually removed from \"";
    report += RemoveTrailingBackslash(Run.InstallDir);
    report += "\"";
  }
  return report;
}

void RunRemovalPlan() {
  DeleteRegistryKey(kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Belvarix Lite (Version 1.5)");
  DeleteRegistryKey(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\bxlite.exe");

  if (ContainsText(LowerCase(Run.InstallDir), ProjectFolderMarker)) {
    Run.MessageText = "CANT RUN IN PROJECT FOLDER";
    ShowUninstallMessage(Run.MessageText, kNoticeFlags);
    EndRun();
  }

  const Text programs = SpecialFolder(IsWindowsNT() ? kCsidlCommonPrograms : kCsidlPrograms);
  Run.ProgramGroupDir = programs.empty() ? Text() : programs + "Belvarix 1.5\\";
  const Text desktop = SpecialFolder(kCsidlDesktop);

  const std::size_t steps = Run.FullEditionPresent ? kSharedFrom : std::size(kRemovalPlan);
  for (std::size_t i = 0; i < steps; ++i) {
    const RemovalStep& step = kRemovalPlan[i];
    const Text* base = nullptr;
    switch (step.base) {
      case Base::Install: base = &Run.InstallDir; break;
      case Base::Help: base = &Run.HelpDir; break;
      case Base::ProgramGroup: base = &Run.ProgramGroupDir; break;
      case Base::Desktop: base = &desktop; break;
    }
    if (base->empty()) continue;
    Perform(step.action, *base + step.relativeName);
  }
  if (!desktop.empty()) NotifyFolderChanged(desktop);
  if (!programs.empty()) NotifyFolderChanged(programs);

  Run.MessageText = ComposeFinalReport();
  ShowUninstallMessage(Run.MessageText, kNoticeFlags);
  EndRun();
}

}  // namespace bx
