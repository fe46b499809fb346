#pragma once
#include <cstddef>

#include "services/text.h"

namespace bx {

// The text of a string value's raw bytes: up to the first NUL, or all size
// bytes when there is none. Never reads past data + size.
Text RegistryBytesToText(const unsigned char* data, std::size_t size);

}  // namespace bx
