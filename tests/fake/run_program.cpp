#include "app/uninstall_main.h"
#include "fake/recording_services.h"

namespace bx::fake {

int RunProgram() {
  try {
    return RunWithErrorBox(&UninstallMain);
  } catch (const RunEnded&) {
    return 0;
  }
}

}  // namespace bx::fake
