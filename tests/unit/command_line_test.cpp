#include "test_printing.h"

#include <string>
#include <vector>

#include "services/command_line.h"

using bx::SplitCommandLine;
using bx::Text;
using Args = std::vector<Text>;

TEST_CASE("command line splitting") {
  struct Case {
    const char* line;
    Args expected;  // arguments after the program name
  };
  const Case cases[] = {
      {"bxwipe.exe", {}},
      {"", {}},
      {"bxwipe.exe \"C:\\Program Files\\Lite\\\"", {"C:\\Program Files\\Lite\\"}},
      {"bxwipe.exe C:\\Program Files\\Lite", {"C:\\Program", "Files\\Lite"}},
      {"bxwipe.exe \"\"", {}},
      {"bxwipe.exe \"\" \"\"   \"\"", {}},
      {"bxwipe.exe \"\"C:\\Lite", {"C:\\Lite"}},
      {"\"C:\\My Tools\\bxwipe.exe\" C:\\Lite", {"C:\\Lite"}},
      {"bxwipe.exe C:\\Li\"te Fo\"lder\\x", {"C:\\Lite Folder\\x"}},
      {"bxwipe.exe \"C:\\a\"\"b\"", {"C:\\ab"}},
      {"bxwipe.exe \"C:\\open quote", {"C:\\open quote"}},
      {"bxwipe.exe \"", {}},
      {"bxwipe.exe \"\"\"", {}},
      {"bxwipe.exe C:\\a\\\" b\"", {"C:\\a\\ b"}},
      {"bxwipe.exe \\\"x", {"\\x"}},
      {"bxwipe.exe first second third", {"first", "second", "third"}},
      {"bxwipe.exe \"C:\\Lite\\\" extra", {"C:\\Lite\\", "extra"}},
      {"bxwipe.exe C:\\\xC4\xE9\xFF\x80", {"C:\\\xC4\xE9\xFF\x80"}},
      {"bxwipe.exe \xA0\xA0x", {"\xA0\xA0x"}},  // 0xA0 is no blank, whatever the code page
      {"bxwipe.exe \x7F", {"\x7F"}},
  };
  for (const Case& c : cases) {
    const std::string line_ = c.line; CAPTURE(line_);
    const Args all = SplitCommandLine(c.line);
    const Args after(all.empty() ? all.begin() : all.begin() + 1, all.end());
    CHECK(after == c.expected);
  }
}

TEST_CASE("every byte from 1 to 32 separates arguments, none from 33 up") {
  for (int code = 1; code <= 255; ++code) {
    CAPTURE(code);
    const Text line = Text("bxwipe.exe") + static_cast<char>(code) + "a" + static_cast<char>(code) + "b";
    const Args all = SplitCommandLine(line.c_str());
    if (code <= 32) {
      CHECK(all == Args{"bxwipe.exe", "a", "b"});
    } else if (code == '"') {
      CHECK(all == Args{"bxwipe.exeab"});
    } else {
      CHECK(all.size() == 1);
    }
  }
}

TEST_CASE("a quoted stretch keeps every byte from 1 to 32") {
  for (int code = 1; code <= 32; ++code) {
    CAPTURE(code);
    const Text folder = Text("C:\\a") + static_cast<char>(code) + "b";
    const Text line = "x.exe \"" + folder + "\"";
    CHECK(SplitCommandLine(line.c_str()) == Args{"x.exe", folder});
  }
}

TEST_CASE("a command line near 32K characters is split whole") {
  const Text folder = "C:\\" + Text(32000, 'a');
  const Text line = "bxwipe.exe \"" + folder + "\" tail";
  CHECK(SplitCommandLine(line.c_str()) == Args{"bxwipe.exe", folder, "tail"});
}

TEST_CASE("argument count and access") {
  CHECK(bx::ArgumentCount("bxwipe.exe") == 0);
  CHECK(bx::ArgumentCount("") == 0);
  CHECK(bx::ArgumentCount("bxwipe.exe a \"\" b") == 2);
  CHECK(bx::ArgumentAt("bxwipe.exe a b", 1) == "a");
  CHECK(bx::ArgumentAt("bxwipe.exe a b", 2) == "b");
  CHECK(bx::ArgumentAt("bxwipe.exe a b", 3).empty());
  CHECK(bx::ArgumentAt("bxwipe.exe a b", 0).empty());
  CHECK(bx::ArgumentAt("bxwipe.exe a b", -1).empty());
}
