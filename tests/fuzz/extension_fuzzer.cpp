// ExtensionOf under both code pages, and AddProgram's admission that rests on it.
#include <string>

#include "fakes/memory_file_system.h"
#include "fakes/recording_dialogs.h"
#include "fakes/vector_program_list.h"
#include "fuzz_check.h"
#include "manifest/manifest_paths.h"
#include "manifest/program_list.h"
#include "manifest/texts.h"
#include "path_oracle.h"

namespace pavonet::fuzz {
namespace {

void CheckExtension(const CodePageText& input) {
  const std::string_view path = input.text;
  const std::string_view extension = ExtensionOf(path, input.codePage);
  FUZZ_CHECK(path.ends_with(extension));
  FUZZ_CHECK(extension.empty() || extension.front() == '.');
  const std::size_t start = path.size() - extension.size();
  for (std::size_t i = start; i < path.size(); ++i) {
    if (path[i] == '\\' || path[i] == ':') FUZZ_CHECK(IsTrailByte(path, i, input.codePage));
  }
  if (input.singleByte) FUZZ_CHECK(extension.find_first_of("\\:") == std::string_view::npos);
  FUZZ_CHECK(start == ExtensionStart(path, input.codePage));
}

void CheckAdmission(const CodePageText& input) {
  const std::string_view candidate = input.text;
  const std::string before = "C:\\before.exe";
  testing::VectorProgramList list;
  list.entries = {before};
  testing::RecordingDialogs dialogs;
  testing::MemoryFileSystem files;
  const CommandContext context{dialogs, files, input.codePage};

  const bool admitted = AddProgram(list, context, candidate);
  FUZZ_CHECK(admitted == (candidate.substr(ExtensionStart(candidate, input.codePage)) == ".exe"));
  FUZZ_CHECK(files.log.empty() && files.files.empty());
  if (admitted) {
    FUZZ_CHECK(list.entries.size() == 2 && list.entries[0] == before &&
               list.entries[1] == candidate);
    FUZZ_CHECK(dialogs.events.empty());
    FUZZ_CHECK(candidate.ends_with(".exe"));
    const std::string probe = std::string(candidate) + ".manifest";
    FUZZ_CHECK(ManifestPathOf(candidate, input.codePage) == probe);
    FUZZ_CHECK(ProbePathOf(candidate) == probe);
  } else {
    FUZZ_CHECK(list.entries.size() == 1 && list.entries[0] == before);
    FUZZ_CHECK(dialogs.events.size() == 1 &&
               dialogs.events[0] == "notice:" + std::string(texts::kChooseExecutable));
  }
}

}  // namespace
}  // namespace pavonet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = pavonet::fuzz::ReadCodePageText(data, size);
  if (!input) return 0;
  pavonet::fuzz::CheckExtension(*input);
  pavonet::fuzz::CheckAdmission(*input);
  return 0;
}
