#include "manifest/manifest_document.h"

namespace pavonet {

namespace {

// Lines 5 and 15 carry the architecture; only they differ in the "*" form.
constexpr std::size_t kOwnArchitectureLine = 4;
constexpr std::size_t kDependencyArchitectureLine = 14;

}  // namespace

std::string_view ManifestLine(std::size_t index, ProcessorArchitecture architecture) {
  if (architecture == ProcessorArchitecture::Any) {
    if (index == kOwnArchitectureLine) return R"(  processorArchitecture="*")";
    if (index == kDependencyArchitectureLine) return R"(            processorArchitecture="*")";
  }
  return ManifestLines.at(index);
}

std::string ManifestDocument(ProcessorArchitecture architecture) {
  std::string document;
  for (std::size_t i = 0; i < ManifestLines.size(); ++i) {
    document += ManifestLine(i, architecture);
    document += kLineEnd;
  }
  return document;
}

}  // namespace pavonet
