// bxversion.exe: exits with what GetVersionExA tells it, as
// platform << 16 | major << 8 | minor, so that a test sees what Wine reports
// for an AppDefaults version setting. It carries the product's manifest,
// which decides what newer Windows versions report.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return 0;
  return static_cast<int>(version.dwPlatformId << 16 | (version.dwMajorVersion & 0xFF) << 8 |
                          (version.dwMinorVersion & 0xFF));
}
