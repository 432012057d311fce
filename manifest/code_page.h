// The system's ANSI code page, as far as path scanning needs it.
#pragma once

#include <cstddef>
#include <string_view>

namespace pavonet {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // True when the byte starts a double-byte character (never, on a
  // single-byte code page).
  virtual bool IsLeadByte(unsigned char byte) const = 0;
};

// True when text[index] is the second byte of a double-byte character: the
// unbroken run of lead bytes directly before it has an odd length.
bool IsTrailByte(std::string_view text, std::size_t index, const CodePage& codePage);

}  // namespace pavonet
