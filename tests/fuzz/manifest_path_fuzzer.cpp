// ManifestPathOf replaces exactly the extension; ProbePathOf only appends.
#include <string>

#include "fuzz_check.h"
#include "manifest/manifest_paths.h"
#include "path_oracle.h"

namespace pavonet::fuzz {
namespace {

void CheckPaths(const CodePageText& input) {
  const std::string_view path = input.text;
  const std::string manifest = ManifestPathOf(path, input.codePage);
  constexpr std::string_view kSuffix = ".exe.manifest";
  FUZZ_CHECK(manifest.ends_with(kSuffix));
  const std::string_view stem =
      std::string_view(manifest).substr(0, manifest.size() - kSuffix.size());
  FUZZ_CHECK(path.starts_with(stem));
  FUZZ_CHECK(stem.size() == path.size() - ExtensionOf(path, input.codePage).size());
  FUZZ_CHECK(stem.size() == ExtensionStart(path, input.codePage));
  FUZZ_CHECK(ProbePathOf(path) == std::string(path) + ".manifest");
}

}  // namespace
}  // namespace pavonet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const auto input = pavonet::fuzz::ReadCodePageText(data, size))
    pavonet::fuzz::CheckPaths(*input);
  return 0;
}
