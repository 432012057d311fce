// The failure report's "." rule: appended exactly after a non-empty message
// whose last character is double-byte or a single byte above ".".
#include <string>

#include "fuzz_check.h"
#include "manifest/failure_report.h"
#include "path_oracle.h"

namespace pavonet::fuzz {
namespace {

void CheckReport(const CodePageText& input) {
  const std::string_view message = input.text;
  const std::string text = FailureReportText(message, input.codePage);
  const bool appended = text == std::string(message) + ".";
  FUZZ_CHECK(appended || text == message);

  bool wanted = false;
  if (!message.empty()) {
    const std::size_t last = message.size() - 1;
    const bool doubleByte = !CharacterStarts(message, input.codePage)[last];
    wanted = doubleByte || static_cast<unsigned char>(message[last]) > '.';
  }
  FUZZ_CHECK(appended == wanted);
}

}  // namespace
}  // namespace pavonet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const auto input = pavonet::fuzz::ReadCodePageText(data, size))
    pavonet::fuzz::CheckReport(*input);
  return 0;
}
