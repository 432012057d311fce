#include "fakes/memory_file_system.h"

#include <algorithm>

namespace pavonet::testing {

namespace {

// Error codes the fake reports like the system would.
constexpr ErrorCode kFileNotFound = 2;
constexpr ErrorCode kAccessDenied = 5;

class MemoryFile final : public WritableFile {
 public:
  MemoryFile(MemoryFileSystem& system, std::string path) : system_(system), path_(std::move(path)) {
    ++system_.openFiles;
  }
  ~MemoryFile() override {
    if (open_) --system_.openFiles;
  }
  void Write(std::span<const char> bytes) override {
    system_.Step("write:" + std::to_string(bytes.size()));
    system_.files[path_].append(bytes.data(), bytes.size());
  }
  void Close() override {
    if (open_) --system_.openFiles;
    open_ = false;
    system_.Step("close");
  }

 private:
  MemoryFileSystem& system_;
  std::string path_;
  bool open_ = true;
};

}  // namespace

void MemoryFileSystem::Step(const std::string& what) {
  log.push_back(what);
  if (failure_ && failure_->operation == operations_++) throw EInOutError(failure_->code);
}

std::unique_ptr<WritableFile> MemoryFileSystem::Create(const std::string& path) {
  Step("create:" + path);
  if (directories.contains(path)) throw EInOutError(kAccessDenied);
  files[path].clear();
  return std::make_unique<MemoryFile>(*this, path);
}

std::unique_ptr<WritableFile> MemoryFileSystem::OpenToAppend(const std::string& path) {
  Step("open:" + path);
  if (!files.contains(path)) throw EInOutError(kFileNotFound);
  return std::make_unique<MemoryFile>(*this, path);
}

void MemoryFileSystem::Remove(const std::string& path) noexcept {
  removed.push_back(path);
  if (openFiles == 0) files.erase(path);
}

std::size_t MemoryFileSystem::ReadAt(const std::string& path, std::uint64_t offset,
                                     std::span<unsigned char> bytes) noexcept {
  const auto found = files.find(path);
  if (found == files.end() || offset >= found->second.size()) return 0;
  const std::string& content = found->second;
  const auto start = static_cast<std::size_t>(offset);  // below size(), so it fits
  const std::size_t n = std::min(bytes.size(), content.size() - start);
  std::copy_n(content.begin() + static_cast<std::ptrdiff_t>(start), n, bytes.begin());
  return n;
}

}  // namespace pavonet::testing
