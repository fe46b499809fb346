#include "uninstall/probes.h"

#include "services/process.h"
#include "services/registry.h"
#include "services/win_values.h"
#include "uninstall/install_folder.h"
#include "uninstall/removal_plan.h"
#include "uninstall/run_context.h"

namespace bx {

bool IsAppRegistered(const Text& programFileName) {
  const Text path = ReadRegistryString(
      kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + programFileName, "", "");
  return !path.empty() && IsExistingFile(path);
}

bool IsHomeSiteInstalled() { return IsAppRegistered("homesite45.exe") || IsAppRegistered("homesite4.exe"); }

bool IsColdFusionStudioInstalled() {
  return IsAppRegistered("cfstudio45.exe") || IsAppRegistered("cfstudio4.exe");
}

bool IsFullEditionInstalled() {
  return IsExistingFile(GetInstallFolder() + "belvarix.exe") || IsAppRegistered("belvarix.exe");
}

Text ComposeConfirmation() {
  Text text = "IMPORTANT!  Belvarix Lite is used when editing style sheets from within third-party editors";
  if (Run.HasHomeSite || Run.HasColdFusionStudio) {
    text += " such as Allaire ";
    text += Run.HasHomeSite ? "HomeSite" : "ColdFusion Studio";
  }
  text += ", even when the full version of Belvarix is installed.";
  text += "\r\n\r\n";
  text += "Removing Belvarix Lite will disable this feature.  Are you sure you want to uninstall it?";
  return text;
}

void ConfirmUninstall() {
  Run.FullEditionPresent = IsFullEditionInstalled();
  Run.HasHomeSite = IsHomeSiteInstalled();
  Run.HasColdFusionStudio = IsColdFusionStudioInstalled();
  Run.MessageText = ComposeConfirmation();
  if (ShowUninstallMessage(Run.MessageText, kQuestionFlags) != kIdYes) EndRun();
  RunRemovalPlan();
}

}  // namespace bx
