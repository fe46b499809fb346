#include "test_printing.h"

#include "services/path_rules.h"

using namespace bx;

TEST_CASE("trailing backslash rules") {
  struct Case {
    Text in, added, removed;
  };
  const Case cases[] = {
      {"", "", ""},
      {"\\", "\\", ""},
      {"C:\\", "C:\\", "C:"},
      {"C:\\Apps\\Lite", "C:\\Apps\\Lite\\", "C:\\Apps\\Lite"},
      {"C:\\Apps\\Lite\\", "C:\\Apps\\Lite\\", "C:\\Apps\\Lite"},
      {"C:\\Apps\\Lite\\\\", "C:\\Apps\\Lite\\\\", "C:\\Apps\\Lite\\"},
      {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share"},
      // A double-byte character whose trail byte is 0x5C still ends in a backslash.
      {"C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95"},
      {"C:\\\xFF", "C:\\\xFF\\", "C:\\\xFF"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.in);
    CHECK(AddTrailingBackslash(c.in) == c.added);
    CHECK(RemoveTrailingBackslash(c.in) == c.removed);
  }
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
