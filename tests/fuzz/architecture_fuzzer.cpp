// ArchitectureOf over the input served as the file: whatever the bytes, the
// answer is that of a plain reading of the PE header, and the reader touches
// only bytes the file system handed back.
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "manifest/executable_architecture.h"

namespace pavonet::fuzz {
namespace {

// A throw inside would reach std::terminate, which libFuzzer reports.
static_assert(noexcept(ArchitectureOf(std::declval<FileSystem&>(),
                                      std::declval<const std::string&>())));

const std::string kPath = "C:\\app.exe";

// Serves the image as the only file. The part of a buffer a read did not fill
// is poisoned until ArchitectureOf returns, so ASan stops a reader that looks
// at it after a short read.
class ImageFileSystem final : public FileSystem {
 public:
  explicit ImageFileSystem(std::span<const unsigned char> image)
      : image_(image.begin(), image.end()) {}
  ~ImageFileSystem() override {
    for (const auto& tail : unfilled_)
      ASAN_UNPOISON_MEMORY_REGION(tail.data(), tail.size());
  }

  std::unique_ptr<WritableFile> Create(const std::string&) override { Unexpected("Create"); }
  std::unique_ptr<WritableFile> OpenToAppend(const std::string&) override {
    Unexpected("OpenToAppend");
  }
  void Remove(const std::string&) noexcept override { Unexpected("Remove"); }
  bool IsExistingFile(const std::string&) override { Unexpected("IsExistingFile"); }

  std::size_t ReadAt(const std::string& path, std::uint64_t offset,
                     std::span<unsigned char> bytes) noexcept override {
    FUZZ_CHECK(path == kPath);
    FUZZ_CHECK(bytes.size() <= std::numeric_limits<std::uint64_t>::max() - offset);
    // Only the DOS header and the signature with the machine field are read.
    FUZZ_CHECK(++reads_ <= 2 && bytes.size() <= 64);
    std::size_t n = 0;
    if (offset < image_.size()) {
      const auto start = static_cast<std::size_t>(offset);
      n = std::min(bytes.size(), image_.size() - start);
      std::copy_n(image_.begin() + static_cast<std::ptrdiff_t>(start), n, bytes.begin());
    }
    const std::span<unsigned char> tail = bytes.subspan(n);
    ASAN_POISON_MEMORY_REGION(tail.data(), tail.size());
    unfilled_[reads_ - 1] = tail;
    return n;
  }

 private:
  [[noreturn]] static void Unexpected(const char* operation) {
    std::fprintf(stderr, "ArchitectureOf called %s; it may only read\n", operation);
    std::abort();
  }

  std::vector<unsigned char> image_;  // its own allocation, so ASan sees overreads
  int reads_ = 0;
  std::array<std::span<unsigned char>, 2> unfilled_{};
};

// Any exactly for "MZ", then "PE\0\0" at the offset stored at 0x3C, followed
// by a machine other than i386 (0x014C).
ProcessorArchitecture PlainReading(std::span<const unsigned char> file) {
  if (file.size() < 0x40 || file[0] != 'M' || file[1] != 'Z') return ProcessorArchitecture::X86;
  const std::uint64_t pe = file[0x3C] | file[0x3D] << 8 | file[0x3E] << 16 |
                           static_cast<std::uint64_t>(file[0x3F]) << 24;
  if (pe + 6 > file.size()) return ProcessorArchitecture::X86;
  if (file[pe] != 'P' || file[pe + 1] != 'E' || file[pe + 2] != 0 || file[pe + 3] != 0)
    return ProcessorArchitecture::X86;
  const unsigned machine = file[pe + 4] | file[pe + 5] << 8;
  return machine == 0x014C ? ProcessorArchitecture::X86 : ProcessorArchitecture::Any;
}

}  // namespace
}  // namespace pavonet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavonet;
  const std::span<const unsigned char> image(data, size);
  ProcessorArchitecture answer;
  {
    fuzz::ImageFileSystem files(image);
    answer = ArchitectureOf(files, fuzz::kPath);
  }
  FUZZ_CHECK(answer == fuzz::PlainReading(image));
  return 0;
}
