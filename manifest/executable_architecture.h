// Which manifest an executable needs, read from its PE header.
#pragma once

#include <string>

#include "manifest/file_system.h"
#include "manifest/manifest_document.h"

namespace pavonet {

// X86 for an i386 image and whenever the file is missing, a folder, not a PE
// image or unreadable; Any for a PE image built for another machine. Reads
// only the DOS header and the few bytes of the PE signature and machine field.
ProcessorArchitecture ArchitectureOf(FileSystem& files, const std::string& executable) noexcept;

}  // namespace pavonet
