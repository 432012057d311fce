// Expected texts in tests are written in UTF-8 and converted here, by the
// system's converter rather than the compiler, to the bytes the program uses.
#pragma once

#include <string>
#include <string_view>

namespace pavonet::testing {

// The UTF-8 text in code page 932 (Shift-JIS). Throws if it cannot be converted.
std::string Sjis(std::string_view utf8);

}  // namespace pavonet::testing
