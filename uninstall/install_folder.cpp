#include "uninstall/install_folder.h"

#include "services/code_page.h"
#include "services/process.h"
#include "services/path_rules.h"

namespace bx {

Text GetInstallFolder() {
  if (GetArgumentCount() == 0) return Text();
  return AddTrailingBackslash(GetArgument(1), IsAnsiLeadByte);
}

}  // namespace bx
