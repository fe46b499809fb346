#include "test_printing.h"

#include <stdexcept>
#include <vector>

#include "driver/scratch.h"
#include "services/platform_error.h"
#include "services/registry.h"

using namespace bx;
using namespace bx::test;

namespace {
const Text kBase = "SOFTWARE\\BxTest\\registry";
}

TEST_CASE("ReadRegistryString on the real registry") {
  DeleteTree(HKEY_LOCAL_MACHINE, kBase);
  const std::vector<unsigned char> big(1 << 20, 'p');
  std::vector<unsigned char> bigTerminated = big;
  bigTerminated.back() = 0;

  struct Case {
    Text name;
    DWORD type;                      // REG_NONE with create=false: no value at all
    std::vector<unsigned char> data;
    bool createKey;
    bool setValue;
    Text expected;                   // the result, or the error text when raises
    bool raises;
  };
  auto bytes = [](const char* s, std::size_t n) { return std::vector<unsigned char>(s, s + n); };
  const Case cases[] = {
      {"missing key", REG_SZ, {}, false, false, "fallback", false},
      {"no default value", REG_SZ, {}, true, false, "fallback", false},
      {"empty value", REG_SZ, {}, true, true, "", false},
      {"lone NUL", REG_SZ, {0}, true, true, "", false},
      {"plain path", REG_SZ, bytes("C:\\HS\\homesite45.exe", 21), true, true, "C:\\HS\\homesite45.exe", false},
      {"cut at first NUL", REG_SZ, bytes("C:\\a\0C:\\b", 10), true, true, "C:\\a", false},
      {"unterminated", REG_SZ, bytes("C:\\abc", 6), true, true, "C:\\abc", false},
      {"odd size", REG_SZ, bytes("abcde", 5), true, true, "abcde", false},
      {"expandable, not expanded", REG_EXPAND_SZ, bytes("%ProgramFiles%\\HS\\hs.exe", 25), true, true,
       "%ProgramFiles%\\HS\\hs.exe", false},
      {"1 MB unterminated", REG_SZ, big, true, true, Text(big.begin(), big.end()), false},
      {"1 MB terminated", REG_SZ, bigTerminated, true, true, Text(big.size() - 1, 'p'), false},
      {"DWORD", REG_DWORD, {1, 0, 0, 0}, true, true, "Invalid data type for ''", true},
      {"binary", REG_BINARY, {1, 2, 3}, true, true, "Invalid data type for ''", true},
      {"multi-string", REG_MULTI_SZ, bytes("a\0b\0\0", 5), true, true, "Invalid data type for ''", true},
      {"empty binary", REG_BINARY, {}, true, true, "", false},
  };
  int index = 0;
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const Text key = kBase + "\\case" + std::to_string(index++);
    if (c.createKey) CreateKey(HKEY_LOCAL_MACHINE, key);
    if (c.setValue) SetValue(HKEY_LOCAL_MACHINE, key, "", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    if (c.raises) {
      CHECK_THROWS_WITH_AS(ReadRegistryString(kLocalMachine, key, "", "fallback"), c.expected.c_str(), PlatformError);
    } else {
      const Text read = ReadRegistryString(kLocalMachine, key, "", "fallback");
      CHECK(read.size() == c.expected.size());
      CHECK(read == c.expected);
    }
  }
}

TEST_CASE("ReadRegistryString names a named value in its error") {
  const Text key = kBase + "\\named";
  const DWORD one = 1;
  SetValue(HKEY_LOCAL_MACHINE, key, "Path", REG_DWORD, &one, sizeof one);
  CHECK_THROWS_WITH_AS(ReadRegistryString(kLocalMachine, key, "Path", ""), "Invalid data type for 'Path'", PlatformError);
  SetString(HKEY_LOCAL_MACHINE, key, "Path", "C:\\x");
  CHECK(ReadRegistryString(kLocalMachine, key, "Path", "") == "C:\\x");
  CHECK(ReadRegistryString(kLocalMachine, key, "", "dflt") == "dflt");
}

TEST_CASE("DeleteRegistryKey") {
  const Text root = kBase + "\\delete";
  DeleteTree(HKEY_LOCAL_MACHINE, root);

  SUBCASE("a key with two levels of subkeys and values goes, its sibling stays") {
    SetString(HKEY_LOCAL_MACHINE, root + "\\target", "", "v");
    SetString(HKEY_LOCAL_MACHINE, root + "\\target\\a\\a1", "x", "v");
    SetString(HKEY_LOCAL_MACHINE, root + "\\target\\a\\a2", "", "v");
    SetString(HKEY_LOCAL_MACHINE, root + "\\target\\b", "", "v");
    SetString(HKEY_LOCAL_MACHINE, root + "\\target sibling", "", "v");
    SetString(HKEY_LOCAL_MACHINE, root + "\\targe", "", "v");
    DeleteRegistryKey(kLocalMachine, root + "\\target");
    CHECK_FALSE(KeyExists(HKEY_LOCAL_MACHINE, root + "\\target"));
    CHECK(KeyExists(HKEY_LOCAL_MACHINE, root + "\\target sibling"));
    CHECK(KeyExists(HKEY_LOCAL_MACHINE, root + "\\targe"));
  }
  SUBCASE("a tree of about a thousand keys") {
    for (int i = 0; i < 10; ++i) {
      for (int j = 0; j < 10; ++j) {
        for (int k = 0; k < 10; ++k) {
          CreateKey(HKEY_LOCAL_MACHINE, root + "\\big\\" + std::to_string(i) + "\\" + std::to_string(j) + "\\" +
                                            std::to_string(k));
        }
      }
    }
    CreateKey(HKEY_LOCAL_MACHINE, root + "\\big2");
    DeleteRegistryKey(kLocalMachine, root + "\\big");
    CHECK_FALSE(KeyExists(HKEY_LOCAL_MACHINE, root + "\\big"));
    CHECK(KeyExists(HKEY_LOCAL_MACHINE, root + "\\big2"));
  }
  SUBCASE("a missing key: nothing happens") {
    CreateKey(HKEY_LOCAL_MACHINE, root + "\\other");
    DeleteRegistryKey(kLocalMachine, root + "\\missing");
    DeleteRegistryKey(kLocalMachine, root + "\\missing\\deeper");
    CHECK(KeyExists(HKEY_LOCAL_MACHINE, root + "\\other"));
  }
  SUBCASE("the empty path deletes nothing, not the root's subkeys") {
    CreateKey(HKEY_CURRENT_USER, "Software\\BxTest\\sentinel");
    DeleteRegistryKey(kCurrentUser, "");
    CHECK(KeyExists(HKEY_CURRENT_USER, "Software\\BxTest\\sentinel"));
    CHECK(KeyExists(HKEY_CURRENT_USER, "Software\\Wine"));
  }
  SUBCASE("a chain 100 keys deep") {
    Text path = root + "\\deep";
    for (int i = 0; i < 100; ++i) path += "\\d" + std::to_string(i);
    CreateKey(HKEY_LOCAL_MACHINE, path);
    DeleteRegistryKey(kLocalMachine, root + "\\deep");
    CHECK_FALSE(KeyExists(HKEY_LOCAL_MACHINE, root + "\\deep"));
  }
  DeleteTree(HKEY_LOCAL_MACHINE, root);
}
