#include "manifest/win32/win32_code_page.h"

#include <windows.h>

namespace pavonet::win32 {

bool SystemCodePage::IsLeadByte(unsigned char byte) const {
  return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace pavonet::win32
