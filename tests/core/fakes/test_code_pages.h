// Code pages for tests: Shift-JIS lead-byte ranges, and a single-byte page.
#pragma once

#include "manifest/code_page.h"

namespace pavonet::testing {

class ShiftJisCodePage final : public CodePage {
 public:
  bool IsLeadByte(unsigned char b) const override {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  }
};

class SingleByteCodePage final : public CodePage {
 public:
  bool IsLeadByte(unsigned char) const override { return false; }
};

}  // namespace pavonet::testing
