#include "manifest/manifest_paths.h"

#include <optional>

namespace pavonet {

namespace {

bool IsDelimiter(char c) {
  return c == '.' || c == '\\' || c == ':';
}

// Position of the last ".", "\" or ":" that is a character of its own.
std::optional<std::size_t> LastDelimiter(std::string_view path, const CodePage& codePage) {
  std::size_t i = path.size();
  while (i > 0) {
    --i;
    if (!IsDelimiter(path[i])) continue;
    if (!IsTrailByte(path, i, codePage)) return i;
    --i;  // skip the character's first byte as well
  }
  return std::nullopt;
}

}  // namespace

std::string_view ExtensionOf(std::string_view path, const CodePage& codePage) {
  const auto at = LastDelimiter(path, codePage);
  if (!at || path[*at] != '.') return {};
  return path.substr(*at);
}

std::string ManifestPathOf(std::string_view entry, const CodePage& codePage) {
  const auto at = LastDelimiter(entry, codePage);
  const std::string_view stem = (at && entry[*at] == '.') ? entry.substr(0, *at) : entry;
  return std::string(stem) + ".exe.manifest";
}

std::string ProbePathOf(std::string_view entry) {
  return std::string(entry) + ".manifest";
}

}  // namespace pavonet
