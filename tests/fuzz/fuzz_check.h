// What every target needs: a check that survives NDEBUG, and the code page
// chosen by the input's first byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "fakes/test_code_pages.h"

// Aborts on a broken invariant, so libFuzzer stops and keeps the input.
#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

namespace pavonet::fuzz {

// The input read as text in one of the test code pages.
struct CodePageText {
  const CodePage& codePage;
  bool singleByte;
  std::string_view text;
};

// The first byte's low bit picks the code page (0: Shift-JIS, 1: single-byte);
// the rest is the text. Nothing for an empty input.
inline std::optional<CodePageText> ReadCodePageText(const std::uint8_t* data, std::size_t size) {
  static const testing::ShiftJisCodePage shiftJis;
  static const testing::SingleByteCodePage singleByte;
  if (size == 0) return std::nullopt;
  const bool single = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  return CodePageText{single ? static_cast<const CodePage&>(singleByte) : shiftJis, single, text};
}

}  // namespace pavonet::fuzz
