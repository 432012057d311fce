// The extension rule worked out the plain way: scan forward, where a lead
// byte and the byte after it make one character. The core scans backward
// (IsTrailByte); the two must agree.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "manifest/code_page.h"

namespace pavonet::fuzz {

// True at each byte that begins a character (is not a double-byte character's
// second byte).
inline std::vector<bool> CharacterStarts(std::string_view text, const CodePage& codePage) {
  std::vector<bool> starts(text.size(), true);
  std::size_t i = 0;
  while (i < text.size()) {
    const bool lead = codePage.IsLeadByte(static_cast<unsigned char>(text[i]));
    if (lead && i + 1 < text.size()) starts[i + 1] = false;
    i += lead ? 2 : 1;
  }
  return starts;
}

// Where the extension begins: the last "." of its own with no "\" or ":" of
// its own after it; text.size() when there is none.
inline std::size_t ExtensionStart(std::string_view text, const CodePage& codePage) {
  const std::vector<bool> starts = CharacterStarts(text, codePage);
  std::size_t dot = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!starts[i]) continue;
    if (text[i] == '.') dot = i;
    if (text[i] == '\\' || text[i] == ':') dot = text.size();
  }
  return dot;
}

}  // namespace pavonet::fuzz
