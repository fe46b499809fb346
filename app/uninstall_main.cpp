#include "app/uninstall_main.h"

#include "services/code_page.h"
#include "services/path_rules.h"
#include "services/process.h"
#include "services/win_values.h"
#include "uninstall/install_folder.h"
#include "uninstall/probes.h"
#include "uninstall/run_context.h"

namespace bx {
namespace {

const char kUsageText[] =
    "This program is used to uninstall Belvarix Lite.  If Belvarix Lite has already been "
    "uninstalled, then you can safely delete this file";

[[noreturn]] void ShowNoticeAndEnd(const Text& text) {
  Run.MessageText = text;
  ShowUninstallMessage(Run.MessageText, kNoticeFlags);
  EndRun();
}

}  // namespace

void UninstallMain() {
  if (GetArgumentCount() == 0) ShowNoticeAndEnd(kUsageText);

  Run.InstallDir = GetInstallFolder();
  if (!Run.InstallDir.empty() && IsExistingFile(Run.InstallDir + "bxlite.exe")) {
    Run.HelpDir = Run.InstallDir + "Help\\";
    ConfirmUninstall();
  }
  ShowNoticeAndEnd("Belvarix Lite could not be found in the folder \"" +
                   RemoveTrailingBackslash(Run.InstallDir, IsAnsiLeadByte) + ".\"");
}

}  // namespace bx
