#pragma once
// The few Win32 values the portable logic needs, spelled out so that the logic
// compiles (and is tested) without <windows.h>.

namespace bx {

constexpr unsigned kNoticeFlags = 0x40;     // MB_OK | MB_ICONINFORMATION
constexpr unsigned kQuestionFlags = 0x134;  // MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2
constexpr unsigned kErrorFlags = 0x10;      // MB_OK | MB_ICONSTOP
constexpr int kIdYes = 6;

constexpr int kCsidlDesktop = 0;
constexpr int kCsidlPrograms = 2;
constexpr int kCsidlCommonPrograms = 23;

}  // namespace bx
