#pragma once
#include <stdexcept>

namespace bx {

// Raised by the services for a platform failure the run cannot go on from.
// Nothing below the entry point catches it.
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace bx
