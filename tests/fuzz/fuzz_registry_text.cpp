#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "services/registry_text.h"

// Raw value bytes of any size, in an exact-size heap copy so that ASan sees a
// read past the end: the text is the bytes before the first NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<unsigned char[]> copy(new unsigned char[size ? size : 1]);
  if (size != 0) std::memcpy(copy.get(), data, size);
  const auto text = bx::RegistryBytesToText(copy.get(), size);
  if (text.size() > size || text.find('\0') != std::string::npos) std::abort();
  if (text.size() < size && copy[text.size()] != 0) std::abort();
  if (std::memcmp(text.data(), copy.get(), text.size()) != 0) std::abort();
  return 0;
}
