#include "uninstall/run_context.h"

namespace bx {

RunContext Run;

}  // namespace bx
