#pragma once
// Reading one string value and deleting a key tree.

#include <cstdint>

#include "services/text.h"

namespace bx {

// A predefined root key, as its Win32 value.
using RegistryRoot = std::uint32_t;
constexpr RegistryRoot kLocalMachine = 0x80000002u;
constexpr RegistryRoot kCurrentUser = 0x80000001u;

// The string data of valueName (empty: the default value) in keyPath, exactly
// as stored (REG_EXPAND_SZ is not expanded) and cut at its first NUL;
// defaultText when the key or the value is missing; the empty text for a value
// of size 0. Throws PlatformError "Invalid data type for '<name>'" for a value
// that is not a string, and "Failed to get data for '<name>'" when the data
// cannot be read after its size was. The key is closed on every path.
Text ReadRegistryString(RegistryRoot root, const Text& keyPath,
                        const Text& valueName, const Text& defaultText);

// Removes keyPath with all its subkeys, deepest first. Does nothing for an
// empty path; every failure (missing key, no rights) is passed over silently.
void DeleteRegistryKey(RegistryRoot root, const Text& keyPath);

}  // namespace bx
