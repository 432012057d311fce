// Writes the manifest document to a path.
#pragma once

#include <cstddef>
#include <string>

#include "manifest/file_system.h"
#include "manifest/manifest_document.h"

namespace pavonet {

// The writer keeps the path in a field of this many bytes, the zero included.
inline constexpr std::size_t kPathFieldSize = 260;

// Output is handed to the system in pieces of this size.
inline constexpr std::size_t kWriteBufferSize = 128;

// Creates (or truncates) the file at `path`, reopens it to append and writes
// the document through the buffer. Throws EInOutError with the failing call's
// code. Nothing is created for a path that does not fit the field, and no
// cut-short manifest is left behind: a half-written file would stop Windows
// from starting the program beside it.
void WriteManifest(FileSystem& files, const std::string& path,
                   ProcessorArchitecture architecture = ProcessorArchitecture::X86);

// True when something other than a directory exists at `path`.
bool IsExistingFile(FileSystem& files, const std::string& path);

}  // namespace pavonet
