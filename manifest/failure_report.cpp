#include "manifest/failure_report.h"

namespace pavonet {

std::string FailureReportText(std::string_view message, const CodePage& codePage) {
  std::string text(message);
  if (text.empty()) return text;
  const std::size_t last = text.size() - 1;
  const bool endsDoubleByte = IsTrailByte(text, last, codePage);
  if (endsDoubleByte || static_cast<unsigned char>(text[last]) > '.') text += '.';
  return text;
}

}  // namespace pavonet
