// The system's ANSI code page (932 on Japanese Windows).
#pragma once

#include "manifest/code_page.h"

namespace pavonet::win32 {

class SystemCodePage final : public CodePage {
 public:
  bool IsLeadByte(unsigned char byte) const override;
};

}  // namespace pavonet::win32
