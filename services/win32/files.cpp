#include "services/files.h"

#include <windows.h>
#include <shlobj.h>

#include "services/code_page.h"
#include "services/path_rules.h"
#include "services/process.h"
#include "services/win32/unique_handle.h"

namespace bx {
namespace {

constexpr DWORD kVolumeLabel = 0x08;
constexpr DWORD kPassedOver =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel;

bool IsReparsePoint(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// True when dir, or the folder it sits in, is a junction or symbolic link:
// the plain files behind it belong to some other folder. (The purged folders
// are the help folder and its sub-folders, so a linked help folder is caught
// at either level.) With a trailing backslash Windows and Wine report the
// target's attributes, so the link itself is asked about without it.
bool IsBehindLink(const Text& dir) {
  const Text folder = RemoveTrailingBackslash(dir, IsAnsiLeadByte);
  if (IsReparsePoint(folder)) return true;
  const std::size_t slash = FindLastBackslash(folder, IsAnsiLeadByte);
  if (slash == Text::npos || slash < 3) return false;  // no parent below a drive root
  return IsReparsePoint(folder.substr(0, slash));
}

void DeletePlainFiles(const Text& dir) {
  WIN32_FIND_DATAA entry;
  const UniqueFind find(FindFirstFileA((dir + "*.*").c_str(), &entry));
  if (!find) return;  // ERROR_NO_MORE_FILES, or no such folder: nothing to delete
  do {
    if ((entry.dwFileAttributes & kPassedOver) == 0 && entry.cFileName[0] != '\0' && entry.cFileName[0] != '.') {
      DeleteFileIfExists(dir + entry.cFileName);
    }
  } while (FindNextFileA(find.get(), &entry));
}

}  // namespace

bool DeleteFileIfExists(const Text& path) { return IsExistingFile(path) && DeleteFileA(path.c_str()) != 0; }

bool RemoveFolder(const Text& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool PurgeFolder(const Text& folder) {
  const Text dir = AddTrailingBackslash(folder, IsAnsiLeadByte);
  if (!IsBehindLink(dir)) DeletePlainFiles(dir);
  return RemoveFolder(dir);
}

Text GetSpecialFolderPath(int csidl) {
  UniqueItemIdList list;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.put())) || !list) return Text();
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(list.get(), path)) return Text();
  return Text(path);
}

bool IsWindowsNT() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = 148;
  if (!GetVersionExA(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

void NotifyFolderChanged(const Text& folder) {
  SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, folder.c_str(), nullptr);
}

}  // namespace bx
