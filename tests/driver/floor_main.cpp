// The benchmark's floor: a program that only shows the uninstaller's two
// boxes (the question, then the report), so that what bxwipe.exe adds on top
// can be told apart from Wine's start-up and the message boxes themselves.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr, "Floor: the question", "Belvarix Lite Uninstall", 0x134);
  MessageBoxA(nullptr, "Floor: the report", "Belvarix Lite Uninstall", 0x40);
  return 0;
}
