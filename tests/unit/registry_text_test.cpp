#include "test_printing.h"

#include <memory>
#include <vector>

#include "services/registry_text.h"

using namespace bx;

TEST_CASE("registry bytes to text") {
  struct Case {
    std::vector<unsigned char> bytes;
    Text expected;
  };
  const Case cases[] = {
      {{}, ""},
      {{0}, ""},
      {{'C', ':', 0}, "C:"},
      {{'C', ':'}, "C:"},                       // no terminating NUL
      {{'a', 'b', 'c'}, "abc"},                 // odd size, unterminated
      {{'a', 0, 'b', 0, 0}, "a"},               // cut at the first NUL
      {{0xE9, 0xFF, 0x80, 0}, "\xE9\xFF\x80"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.expected);
    // An exact-size heap copy, so that ASan sees any read past the end.
    std::unique_ptr<unsigned char[]> data(new unsigned char[c.bytes.size() + (c.bytes.empty() ? 1 : 0)]);
    std::copy(c.bytes.begin(), c.bytes.end(), data.get());
    CHECK(RegistryBytesToText(data.get(), c.bytes.size()) == c.expected);
  }
  CHECK(RegistryBytesToText(nullptr, 0).empty());
}

TEST_CASE("a 1 MB value without NUL converts whole") {
  const std::size_t size = 1 << 20;
  std::unique_ptr<unsigned char[]> data(new unsigned char[size]);
  std::fill(data.get(), data.get() + size, 'x');
  CHECK(RegistryBytesToText(data.get(), size) == Text(size, 'x'));
  data[size - 1] = 0;
  CHECK(RegistryBytesToText(data.get(), size).size() == size - 1);
}
