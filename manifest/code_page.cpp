#include "manifest/code_page.h"

namespace pavonet {

bool IsTrailByte(std::string_view text, std::size_t index, const CodePage& codePage) {
  std::size_t leadRun = 0;
  while (leadRun < index &&
         codePage.IsLeadByte(static_cast<unsigned char>(text[index - leadRun - 1])))
    ++leadRun;
  return leadRun % 2 == 1;
}

}  // namespace pavonet
