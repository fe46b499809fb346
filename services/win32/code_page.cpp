#include "services/code_page.h"

#include <windows.h>

namespace bx {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace bx
