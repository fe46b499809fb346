#include "services/command_line.h"

namespace bx {
namespace {

bool IsBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= 32;
}

}  // namespace

std::vector<Text> SplitCommandLine(const char* commandLine) {
  std::vector<Text> arguments;
  if (commandLine == nullptr) return arguments;
  const char* p = commandLine;
  for (;;) {
    for (;;) {
      if (IsBlank(*p)) {
        ++p;
      } else if (p[0] == '"' && p[1] == '"') {
        p += 2;
      } else {
        break;
      }
    }
    if (*p == '\0') break;
    Text argument;
    while (*p != '\0' && !IsBlank(*p)) {
      if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') argument += *p++;
        if (*p == '"') ++p;
      } else {
        argument += *p++;
      }
    }
    // Only an unbalanced quote at the very end can leave an empty argument.
    if (!argument.empty()) arguments.push_back(std::move(argument));
  }
  return arguments;
}

int ArgumentCount(const char* commandLine) {
  const std::vector<Text> arguments = SplitCommandLine(commandLine);
  return arguments.empty() ? 0 : static_cast<int>(arguments.size() - 1);
}

Text ArgumentAt(const char* commandLine, int n) {
  const std::vector<Text> arguments = SplitCommandLine(commandLine);
  if (n < 1 || static_cast<std::size_t>(n) >= arguments.size()) return Text();
  return arguments[static_cast<std::size_t>(n)];
}

}  // namespace bx
