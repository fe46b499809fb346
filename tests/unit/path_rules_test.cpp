#include "test_printing.h"

#include "services/path_rules.h"

using namespace bx;

namespace {

// Lead bytes of code page 932, as Windows reports them.
bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

struct Case {
  Text in, added, removed;
  std::size_t lastBackslash;
};

void CheckRules(const Case& c, LeadByteTest isLeadByte) {
  CAPTURE(c.in);
  CHECK(AddTrailingBackslash(c.in, isLeadByte) == c.added);
  CHECK(RemoveTrailingBackslash(c.in, isLeadByte) == c.removed);
  CHECK(FindLastBackslash(c.in, isLeadByte) == c.lastBackslash);
}

const std::size_t npos = Text::npos;

}  // namespace

TEST_CASE("trailing backslash rules, single-byte code page: byte by byte") {
  const Case cases[] = {
      {"", "", "", npos},
      {"\\", "\\", "", 0},
      {"C:\\", "C:\\", "C:", 2},
      {"C:\\Apps\\Lite", "C:\\Apps\\Lite\\", "C:\\Apps\\Lite", 7},
      {"C:\\Apps\\Lite\\", "C:\\Apps\\Lite\\", "C:\\Apps\\Lite", 12},
      {"C:\\Apps\\Lite\\\\", "C:\\Apps\\Lite\\\\", "C:\\Apps\\Lite\\", 13},
      {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share", 8},
      // In 1252, 0x95 is a character of its own: the 0x5C after it is a backslash.
      {"C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95", 4},
      {"C:\\\xFF", "C:\\\xFF\\", "C:\\\xFF", 2},
  };
  for (const Case& c : cases) CheckRules(c, NoLeadBytes);
}

TEST_CASE("trailing backslash rules, code page 932: whole characters") {
  // 0x95 0x5C is one character, and so are 0x83 0x5C and 0x81 0x81.
  const Case cases[] = {
      {"C:\\\x95\x5C", "C:\\\x95\x5C\\", "C:\\\x95\x5C", 2},
      {"C:\\\x95\x5C\\", "C:\\\x95\x5C\\", "C:\\\x95\x5C", 5},
      {"C:\\Belvarix \x83\x5C", "C:\\Belvarix \x83\x5C\\", "C:\\Belvarix \x83\x5C", 2},
      {"C:\\\x95\x5C\x83\x5C", "C:\\\x95\x5C\x83\x5C\\", "C:\\\x95\x5C\x83\x5C", 2},
      // Pairs are counted from the start: here the last 0x5C stands alone.
      {"C:\\\x81\x81\x5C", "C:\\\x81\x81\x5C", "C:\\\x81\x81", 5},
      // A trail byte that looks like a lead byte does not open a character.
      {"C:\\\x81\x95\x5C", "C:\\\x81\x95\x5C", "C:\\\x81\x95", 5},
      // A cut character at the very end: no folder, since a backslash added
      // would become its second byte.
      {"C:\\\x95", "", "C:\\\x95", 2},
      {"C:\\\x81\x81\x95", "", "C:\\\x81\x81\x95", 2},
      // Half-width katakana (0xA1-0xDF) are single bytes.
      {"C:\\\xB1\x5C", "C:\\\xB1\x5C", "C:\\\xB1", 4},
      {"", "", "", npos},
      {"C:\\Apps\\Lite", "C:\\Apps\\Lite\\", "C:\\Apps\\Lite", 7},
  };
  for (const Case& c : cases) CheckRules(c, IsLeadByte932);
}

TEST_CASE("lower-casing and containment are byte-wise") {
  CHECK(LowerCase("F:\\PROJECTS\\Lite\\") == "f:\\projects\\lite\\");
  CHECK(LowerCase("\xC4\xD6\xDC@[`{AZ") == "\xC4\xD6\xDC@[`{az");
  CHECK(ContainsText("d:\\f:\\projectsold\\", "f:\\projects"));
  CHECK(ContainsText("f:\\projects", "f:\\projects"));
  CHECK_FALSE(ContainsText("f:\\project\\", "f:\\projects"));
  CHECK_FALSE(ContainsText("", "f:\\projects"));
}

TEST_CASE("wildcards") {
  CHECK(ContainsWildcard("C:\\Apps\\*.exe"));
  CHECK(ContainsWildcard("C:\\Apps\\bxlite.ex?"));
  CHECK(ContainsWildcard("\\\\?\\C:\\*"));
  CHECK_FALSE(ContainsWildcard("\\\\?\\C:\\Apps\\bxlite.exe"));
  CHECK_FALSE(ContainsWildcard("C:\\Apps\\bxlite.exe"));
  CHECK_FALSE(ContainsWildcard(""));
}
