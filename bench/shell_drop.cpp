#include "bench/shell_drop.h"

#include <shlobj.h>

#include <cstring>
#include <stdexcept>

namespace pavonet::bench {

GlobalMemory MakeDrop(const std::vector<std::string>& names) {
  std::size_t size = sizeof(DROPFILES) + 1;  // the list ends with an empty name
  for (const std::string& name : names)
    size += name.size() + 1;
  GlobalMemory memory(GlobalAlloc(GHND, size));
  if (!memory) throw std::runtime_error("GlobalAlloc");
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory.Get()));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  char* text = reinterpret_cast<char*>(drop + 1);
  for (const std::string& name : names) {
    std::memcpy(text, name.c_str(), name.size() + 1);
    text += name.size() + 1;
  }
  GlobalUnlock(memory.Get());
  return memory;
}

}  // namespace pavonet::bench
