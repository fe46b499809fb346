#include "uninstall/removal_plan.h"

#include "services/code_page.h"
#include "services/files.h"
#include "services/path_rules.h"
#include "services/process.h"
#include "services/registry.h"
#include "services/win_values.h"
#include "uninstall/run_context.h"

namespace bx {
namespace {

const char ProjectFolderMarker[] = "f:\\projects";

enum class Action { Delete, Purge, RemoveFolder };
enum class Base { Install, Help, ProgramGroup, Desktop };
// Lite: the Lite edition's own items, always removed. Shared: what the full
// edition uses as well, removed only when it is absent.
enum class Tier { Lite, Shared };

struct RemovalStep {
  Tier tier;
  Action action;
  Base base;
  const char* relativeName;
};

// The Lite edition's own items come first, then the shared ones. Names stay
// letter for letter as the installer wrote them; the file system matches them
// without regard to case. Every folder is emptied before it is removed.
const RemovalStep kRemovalPlan[] = {
    {Tier::Lite, Action::Delete, Base::Install, "BXLite.exe"},
    {Tier::Lite, Action::Delete, Base::Desktop, "Belvarix Lite.lnk"},
    {Tier::Lite, Action::Delete, Base::ProgramGroup, "Belvarix Lite.lnk"},
    {Tier::Lite, Action::Delete, Base::ProgramGroup, "Purchase Belvarix.lnk"},
    {Tier::Lite, Action::Purge, Base::Help, "Belvarix Lite"},
    {Tier::Lite, Action::Delete, Base::Help, "keywords.bvx"},
    {Tier::Lite, Action::Delete, Base::Help, "titles.bvx"},
    {Tier::Lite, Action::Delete, Base::Install, "backup\\bxwipe.exe"},
    {Tier::Lite, Action::Delete, Base::Install, "backup\\Belvarix Lite.lnk"},
    {Tier::Lite, Action::RemoveFolder, Base::Install, "backup"},
    {Tier::Shared, Action::RemoveFolder, Base::ProgramGroup, ""},
    {Tier::Shared, Action::Delete, Base::Install, "BXHelp.exe"},
    {Tier::Shared, Action::Delete, Base::Install, "Purchase Belvarix.url"},
    {Tier::Shared, Action::Delete, Base::Install, "CSSDefs\\Opera 3.5.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\Netscape 4.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\Internet Explorer 5.5.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\Internet Explorer 5.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\Internet Explorer 4.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\Internet Explorer 3.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\CSS Level 2.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\CSS Level 1.def"},
    {Tier::Shared, Action::Delete, Base::Install, "cssdefs\\property.dat"},
    {Tier::Shared, Action::RemoveFolder, Base::Install, "cssdefs"},
    {Tier::Shared, Action::Purge, Base::Help, "images"},
    {Tier::Shared, Action::Purge, Base::Help, "CSS Basics"},
    {Tier::Shared, Action::Purge, Base::Help, "HomeSite Integration"},
    {Tier::Shared, Action::Purge, Base::Help, ""},
    {Tier::Shared, Action::Delete, Base::Install, "user\\templates\\sample.css"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\templates\\sample2.css"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\templates\\ocean.css"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\templates\\charcoal.css"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\templates\\headline.css"},
    {Tier::Shared, Action::RemoveFolder, Base::Install, "user\\templates"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\elements.dat"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\pseudocl.dat"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\pseudoel.dat"},
    {Tier::Shared, Action::Delete, Base::Install, "user\\fontgrp.dat"},
    {Tier::Shared, Action::RemoveFolder, Base::Install, "user"},
};

// The special folder with a trailing backslash, or empty when the shell
// cannot tell it: an empty base must never be joined to a relative name, as
// that would address the current directory.
Text SpecialFolder(int csidl) { return AddTrailingBackslash(GetSpecialFolderPath(csidl), IsAnsiLeadByte); }

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
    report += RemoveTrailingBackslash(Run.InstallDir, IsAnsiLeadByte);
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

  for (const RemovalStep& step : kRemovalPlan) {
    if (step.tier == Tier::Shared && Run.FullEditionPresent) continue;
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
