#include "machine_snapshot.h"

#include "scratch.h"
#include "services/path_rules.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <vector>

namespace bx::test {
namespace {

Text Lower(Text text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

void WalkFiles(const Text& dir, Snapshot& out, bool followLinks) {
  ForEachEntry(dir, [&](const WIN32_FIND_DATAA& entry) {
    const Text path = dir + "\\" + entry.cFileName;
    char detail[96];
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      std::snprintf(detail, sizeof detail, "attr=%lx", static_cast<unsigned long>(entry.dwFileAttributes));
      out["D " + path] = detail;
      if (followLinks || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) WalkFiles(path, out, false);
    } else {
      std::snprintf(detail, sizeof detail, "size=%lu attr=%lx time=%lx%08lx",
                    static_cast<unsigned long>(entry.nFileSizeLow), static_cast<unsigned long>(entry.dwFileAttributes),
                    static_cast<unsigned long>(entry.ftLastWriteTime.dwHighDateTime),
                    static_cast<unsigned long>(entry.ftLastWriteTime.dwLowDateTime));
      out["F " + path] = detail;
    }
  });
}

std::vector<Text> SubkeysOf(HKEY root, const Text& path) {
  std::vector<Text> names;
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

// depth: how many levels of subkeys to descend (-1: all).
void WalkKeys(HKEY parent, const Text& name, const Text& shown, Snapshot& out, int depth = -1) {
  HKEY key;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  out["K " + shown] = "";
  static std::vector<char> valueName(16384);
  static std::vector<unsigned char> data(1 << 16);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(valueName.size());
    DWORD size = 0;
    DWORD type = 0;
    const LONG status = RegEnumValueA(key, i, valueName.data(), &nameLength, nullptr, &type, nullptr, &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) continue;
    const Text name(valueName.data(), nameLength);
    unsigned long hash = 5381;
    DWORD read = static_cast<DWORD>(data.size());
    if (size <= data.size() &&
        RegQueryValueExA(key, name.c_str(), nullptr, nullptr, data.data(), &read) == ERROR_SUCCESS) {
      for (DWORD b = 0; b < read; ++b) hash = hash * 33 + data[b];
    }
    char detail[64];
    std::snprintf(detail, sizeof detail, "type=%lu size=%lu hash=%lx", static_cast<unsigned long>(type),
                  static_cast<unsigned long>(size), hash);
    out["V " + shown + " : " + name] = detail;
  }
  if (depth == 0) {
    RegCloseKey(key);
    return;
  }
  for (const Text& s : SubkeysOf(key, "")) WalkKeys(key, s, shown + "\\" + s, out, depth - 1);
  RegCloseKey(key);
}

}  // namespace

Snapshot TakeSnapshot() {
  Snapshot out;
  WalkFiles("C:", out, false);
  // The profile's Desktop is a link out of the drive; its contents count.
  char desktop[MAX_PATH + 1] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  WalkFiles(desktop, out, true);
  // The program deletes two keys, under CurrentVersion\Uninstall and
  // CurrentVersion\App Paths: those two branches are taken whole, and every
  // ancestor's direct subkeys, so that a delete reaching out of them would
  // show. (All of HKLM\SOFTWARE is 10,000 keys and 200,000 values here,
  // seconds to walk; CurrentVersion alone holds thousands of time-zone values.)
  const Text currentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  for (const Text& ancestor : {Text("SOFTWARE"), Text("SOFTWARE\\Microsoft"), Text("SOFTWARE\\Microsoft\\Windows"), currentVersion}) {
    WalkKeys(HKEY_LOCAL_MACHINE, ancestor, "HKLM\\" + ancestor, out, 1);
  }
  for (const Text& branch : {currentVersion + "\\Uninstall", currentVersion + "\\App Paths"}) {
    WalkKeys(HKEY_LOCAL_MACHINE, branch, "HKLM\\" + branch, out);
  }
  WalkKeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\BxTest", "HKLM\\SOFTWARE\\BxTest", out);
  // All of HKCU\Software but Wine's own settings, which Wine itself writes
  // when a desktop starts.
  WalkKeys(HKEY_CURRENT_USER, "Software", "HKCU\\Software", out, 0);
  for (const Text& name : SubkeysOf(HKEY_CURRENT_USER, "Software")) {
    if (Lower(name) != "wine") WalkKeys(HKEY_CURRENT_USER, "Software\\" + name, "HKCU\\Software\\" + name, out);
  }
  return out;
}

namespace {
// Where an entry sits, lower-cased: its path, or for a value its key.
Text PlaceOf(const Text& entry) {
  const Text place = Lower(entry.substr(2));
  return entry[0] == 'V' ? place.substr(0, place.find(" : ")) : place;
}
}  // namespace

bool IsUnder(const Text& entry, const std::vector<Text>& places) {
  const Text place = PlaceOf(entry);
  for (const Text& p : places) {
    const Text prefix = Lower(p);
    if (place.compare(0, prefix.size(), prefix) != 0) continue;
    // Both start with the same whole characters, so the byte after the prefix
    // opens a character of place.
    if (place.size() == prefix.size() || bx::EndsInBackslash(prefix, IsAnsiLead) || place[prefix.size()] == '\\') {
      return true;
    }
  }
  return false;
}

bool IsAt(const Text& entry, const std::vector<Text>& places) {
  const Text place = PlaceOf(entry);
  for (const Text& p : places) {
    if (place == Lower(p)) return true;
  }
  return false;
}

std::vector<Text> UnexpectedChanges(const Snapshot& before, const Snapshot& after, const std::vector<Text>& mustGo,
                                    const std::vector<Text>& mustStay, const std::vector<Text>& mayGo) {
  std::vector<Text> problems;
  for (const auto& [name, detail] : before) {
    const auto found = after.find(name);
    const bool gone = found == after.end();
    if (!IsAt(name, mayGo)) {
      const bool shouldGo = IsUnder(name, mustGo) && !IsAt(name, mustStay);
      if (shouldGo && !gone) problems.push_back("still there: " + name);
      if (!shouldGo && gone) problems.push_back("lost: " + name);
    }
    if (!gone && found->second != detail && name[0] != 'D') {
      problems.push_back("changed: " + name + " (" + detail + " -> " + found->second + ")");
    }
  }
  for (const auto& [name, detail] : after) {
    if (before.count(name) == 0) problems.push_back("created: " + name);
  }
  return problems;
}

}  // namespace bx::test
