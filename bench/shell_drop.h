// A shell drop of ANSI names, built as Explorer builds one.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "bench/kernel_handles.h"

namespace pavonet::bench {

// The DROPFILES block with the names, owned until Release() hands it to the
// receiver of WM_DROPFILES (who frees it with DragFinish).
GlobalMemory MakeDrop(const std::vector<std::string>& names);

}  // namespace pavonet::bench
