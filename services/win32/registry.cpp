#include "services/registry.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "services/platform_error.h"
#include "services/registry_text.h"
#include "services/win32/unique_handle.h"

namespace bx {
namespace {

HKEY ToHkey(RegistryRoot root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

bool OpenKey(HKEY parent, const Text& path, REGSAM access, UniqueRegKey& key) {
  return RegOpenKeyExA(parent, path.c_str(), 0, access, key.put()) == ERROR_SUCCESS;
}

void DeleteKeyTree(HKEY parent, const Text& path) {
  {
    UniqueRegKey key;
    if (OpenKey(parent, path, KEY_ALL_ACCESS, key)) {
      DWORD subkeys = 0;
      DWORD longestName = 0;
      if (RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, &longestName, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        subkeys = 0;
      }
      std::vector<char> name(longestName + 1);
      for (DWORD index = subkeys; index-- > 0;) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
          DeleteKeyTree(key.get(), Text(name.data(), length));
        }
      }
    }
  }
  RegDeleteKeyA(parent, path.c_str());
}

}  // namespace

Text ReadRegistryString(RegistryRoot root, const Text& keyPath, const Text& valueName, const Text& defaultText) {
  Text result = defaultText;
  {
    UniqueRegKey probe;
    if (!OpenKey(ToHkey(root), keyPath, KEY_READ, probe)) return result;
  }
  UniqueRegKey key;
  if (!OpenKey(ToHkey(root), keyPath, KEY_READ, key)) return result;

  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return result;
  }
  if (size < 1) return Text();

  std::vector<unsigned char> data(size);
  DWORD read = size;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, data.data(), &read) != ERROR_SUCCESS) {
    throw PlatformError("Failed to get data for '" + valueName + "'");
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw PlatformError("Invalid data type for '" + valueName + "'");
  return RegistryBytesToText(data.data(), std::min<DWORD>(read, size));
}

void DeleteRegistryKey(RegistryRoot root, const Text& keyPath) {
  if (keyPath.empty()) return;
  DeleteKeyTree(ToHkey(root), keyPath);
}

}  // namespace bx
