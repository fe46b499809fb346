#include "services/registry_text.h"

#include <cstring>

namespace bx {

Text RegistryBytesToText(const unsigned char* data, std::size_t size) {
  if (data == nullptr || size == 0) return Text();
  const void* nul = std::memchr(data, 0, size);
  const std::size_t length =
      nul != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - data) : size;
  return Text(reinterpret_cast<const char*>(data), length);
}

}  // namespace bx
