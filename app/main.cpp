#include <windows.h>

#include "app/uninstall_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // UninstallMain ends the process itself on every ordinary path; reaching
  // the return means an error ended the run.
  return bx::RunWithErrorBox(&bx::UninstallMain);
}
