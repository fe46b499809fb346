#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/command_line.h"

// Any byte string: no crash, no empty argument, no blank outside the quoted
// stretches of the input, and never more bytes out than in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const auto arguments = bx::SplitCommandLine(line.c_str());
  std::size_t total = 0;
  for (const auto& argument : arguments) {
    if (argument.empty()) std::abort();
    if (argument.find('"') != std::string::npos) std::abort();
    total += argument.size();
  }
  if (total > line.size()) std::abort();
  if (line.find('"') == std::string::npos) {
    for (const auto& argument : arguments) {
      for (unsigned char c : argument) {
        if (c >= 1 && c <= 32) std::abort();
      }
    }
  }
  return 0;
}
