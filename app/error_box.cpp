#include <exception>

#include "app/uninstall_main.h"
#include "services/process.h"
#include "services/win_values.h"

namespace bx {

int RunWithErrorBox(void (*main)()) {
  try {
    main();
  } catch (const std::exception& error) {
    ShowUninstallMessage(error.what(), kErrorFlags);
  }
  return 1;
}

}  // namespace bx
