#include "scratch.h"

#include <shlobj.h>

#include <cctype>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "services/path_rules.h"

namespace bx::test {

bool IsAnsiLead(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

Text ParentOf(const Text& path) { return path.substr(0, bx::FindLastBackslash(path, IsAnsiLead)); }

Text WithoutTrailingBackslash(const Text& path) { return bx::RemoveTrailingBackslash(path, IsAnsiLead); }

Text ErrorText(DWORD code) {
  char text[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                 nullptr);
  Text message = text;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return "error " + std::to_string(code) + (message.empty() ? "" : ": " + message);
}

namespace {

int startRetries = 0;

// The program a command line starts: its first token, quoted or not. Wine
// starts a unix program by its absolute path, which Windows sees on Z:.
Text ProgramOf(const Text& commandLine) {
  const Text program = !commandLine.empty() && commandLine[0] == '"'
                           ? commandLine.substr(1, commandLine.find('"', 1) - 1)
                           : commandLine.substr(0, commandLine.find(' '));
  return !program.empty() && program[0] == '/' ? "Z:" + program : program;
}

Text StartState(const Text& commandLine, const Text& currentDirectory) {
  const Text program = ProgramOf(commandLine);
  HANDLE self = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, GetCurrentProcessId());
  const bool serverAnswers = self != nullptr;
  if (self != nullptr) CloseHandle(self);
  return "program " + program + (Exists(program) ? " exists" : " is MISSING") + "; working folder " +
         (currentDirectory.empty() ? Text("(inherited)")
                                   : currentDirectory + (IsFolder(currentDirectory) ? " exists" : " is MISSING")) +
         "; wineserver " + (serverAnswers ? "answers" : "does NOT answer");
}

}  // namespace

PROCESS_INFORMATION StartProcess(const Text& commandLine, const Text& currentDirectory) {
  for (int attempt = 1;; ++attempt) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Text line = commandLine;
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                       currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &process)) {
      return process;
    }
    const DWORD error = GetLastError();
    const Text state = StartState(commandLine, currentDirectory);
    const bool oursIsThere = Exists(ProgramOf(commandLine)) && (currentDirectory.empty() || IsFolder(currentDirectory));
    if (error != ERROR_INTERNAL_ERROR || !oursIsThere || attempt == 2) {
      throw std::runtime_error("CreateProcessA failed (" + ErrorText(error) + ", attempt " + std::to_string(attempt) +
                               ") for: " + commandLine + "; " + state);
    }
    ++startRetries;
    std::fprintf(stderr, "start retried after Wine's transient %s for: %s; %s\n", ErrorText(error).c_str(),
                 commandLine.c_str(), state.c_str());
    Sleep(50);
  }
}

int StartRetries() { return startRetries; }

void MakeFolders(const Text& path) {
  // Character by character: in a double-byte code page a trail byte can be 0x5C.
  for (const char* p = path.c_str(); *p != '\0'; p = CharNextA(p)) {
    if (*p == '\\' && p - path.c_str() > 2) CreateDirectoryA(path.substr(0, p - path.c_str()).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
}

void WriteFile(const Text& path, const Text& content) {
  const std::size_t slash = bx::FindLastBackslash(path, IsAnsiLead);
  if (slash != Text::npos) MakeFolders(path.substr(0, slash));
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path + " (" + ErrorText(GetLastError()) + ")");
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

void ForEachEntry(const Text& dir, const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const Text name = entry.cFileName;
    if (name != "." && name != "..") visit(entry);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

bool Exists(const Text& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void RemoveTree(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    RunUnix("/bin/rm -f '" + UnixPath(path) + "'", [path] { return !Exists(path); });
    return;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return;
  }
  std::vector<Text> names;
  ForEachEntry(path, [&names](const WIN32_FIND_DATAA& entry) { names.emplace_back(entry.cFileName); });
  for (const Text& name : names) RemoveTree(path + "\\" + name);
  if (!RemoveDirectoryA(path.c_str())) {
    // A name past MAX_PATH is out of the ANSI functions' reach.
    RunUnix("/bin/rm -rf '" + UnixPath(path) + "'", [path] { return !Exists(path); });
  }
}

Text UnixPath(const Text& windowsPath) {
  using Fn = char*(CDECL*)(LPCWSTR);
  static const Fn toUnix =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) throw std::runtime_error("not running under Wine");
  std::wstring wide(windowsPath.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0],
                                                           static_cast<int>(wide.size()))));
  char* unix = toUnix(wide.c_str());
  if (unix == nullptr) throw std::runtime_error("no unix path for " + windowsPath);
  Text result = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

void RunUnix(const Text& commandLine, const std::function<bool()>& done) {
  // Wine starts a unix program named by its absolute path; /bin/sh lets the
  // command use quoting.
  const PROCESS_INFORMATION process = StartProcess("/bin/sh -c \"" + commandLine + "\"");
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine neither waits for a unix program nor reports its exit code, so the
  // caller's own check of the effect is polled.
  for (int i = 0; i < 1000 && !done(); ++i) Sleep(5);
  if (!done()) throw std::runtime_error("unix command had no effect: " + commandLine);
}

bool IsLink(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void MakeFolderLink(const Text& link, const Text& target) {
  RunUnix("/bin/ln -sfn '" + UnixPath(target) + "' '" + UnixPath(link) + "'", [link] { return IsLink(link); });
}

namespace {
Text DosDevice(const Text& drive) {
  Text letter(1, static_cast<char>(tolower(static_cast<unsigned char>(drive[0]))));
  return UnixPath("C:\\").append("../dosdevices/").append(letter).append(":");
}
}  // namespace

void MapDrive(const Text& drive, const Text& folder) {
  const Text root = drive + "\\";
  RunUnix("/bin/ln -sfn '" + UnixPath(folder) + "' '" + DosDevice(drive) + "'",
          [root] { return GetDriveTypeA(root.c_str()) != DRIVE_NO_ROOT_DIR; });
}

void UnmapDrive(const Text& drive) {
  const Text root = drive + "\\";
  RunUnix("/bin/rm -f '" + DosDevice(drive) + "'", [root] { return GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR; });
}

void SetFileYear(const Text& path, int year) {
  SYSTEMTIME when = {};
  when.wYear = static_cast<WORD>(year);
  when.wMonth = 1;
  when.wDay = 1;
  when.wHour = 12;
  FILETIME time;
  SystemTimeToFileTime(&when, &time);
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path + " (" + ErrorText(GetLastError()) + ")");
  SetFileTime(file, &time, &time, &time);
  CloseHandle(file);
}

void SetValue(HKEY root, const Text& keyPath, const Text& name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  const LONG status = RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create key " + keyPath + " (" + ErrorText(static_cast<DWORD>(status)) + ")");
  }
  RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void SetString(HKEY root, const Text& keyPath, const Text& name, const Text& data, DWORD type) {
  SetValue(root, keyPath, name, type, data.c_str(), static_cast<DWORD>(data.size() + 1));
}

void CreateKey(HKEY root, const Text& keyPath) {
  HKEY parent = root;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = keyPath.find('\\', start);
    const Text name = keyPath.substr(start, slash == Text::npos ? Text::npos : slash - start);
    HKEY key;
    const LONG status = RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (parent != root) RegCloseKey(parent);
    if (status != ERROR_SUCCESS) {
      throw std::runtime_error("cannot create key " + keyPath + " (" + ErrorText(static_cast<DWORD>(status)) + ")");
    }
    parent = key;
    if (slash == Text::npos) break;
    start = slash + 1;
  }
  RegCloseKey(parent);
}

bool KeyExists(HKEY root, const Text& keyPath) {
  HKEY key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteTree(HKEY root, const Text& keyPath) {
  HKEY key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    char name[256];
    DWORD length = sizeof name;
    while (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      DeleteTree(key, name);
      length = sizeof name;
    }
    RegCloseKey(key);
  }
  RegDeleteKeyA(root, keyPath.c_str());
}

Text SpecialFolder(int csidl) {
  char path[MAX_PATH + 1] = {};
  SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
  return path;
}

}  // namespace bx::test
