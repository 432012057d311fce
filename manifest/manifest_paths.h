// Paths derived from a program-list entry, scanned in the ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "manifest/code_page.h"

namespace pavonet {

// The text from the last "." to the end, when that "." comes after the last
// "\" and ":"; empty otherwise. A "\" that is the second byte of a double-byte
// character (as in 表 or ソ) is not a separator.
std::string_view ExtensionOf(std::string_view path, const CodePage& codePage);

// Where the manifest is written: the entry with its extension replaced by
// ".exe.manifest" (or with that appended when it has none).
std::string ManifestPathOf(std::string_view entry, const CodePage& codePage);

// Where an existing manifest is looked for: the entry followed by ".manifest".
std::string ProbePathOf(std::string_view entry);

}  // namespace pavonet
