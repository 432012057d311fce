// An in-memory file system that can fail any chosen operation, for the faults
// a real disk cannot be made to show on cue (a write failing mid-document).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "manifest/errors.h"
#include "manifest/file_system.h"

namespace pavonet::testing {

class MemoryFileSystem final : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> directories;
  // Every Create, OpenToAppend, Write and Close, in order: "create:<path>",
  // "open:<path>", "write:<size>", "close".
  std::vector<std::string> log;

  // Makes operation number `n` (counted from 0 over Create, OpenToAppend,
  // Write and Close) throw EInOutError(code).
  void FailOperation(int n, ErrorCode code) { failure_ = {n, code}; }
  // Paths passed to Remove, in order.
  std::vector<std::string> removed;
  // Files open now. Like Windows, Remove leaves a file alone while it is open.
  int openFiles = 0;

  std::unique_ptr<WritableFile> Create(const std::string& path) override;
  std::unique_ptr<WritableFile> OpenToAppend(const std::string& path) override;
  void Remove(const std::string& path) noexcept override;
  bool IsExistingFile(const std::string& path) override { return files.contains(path); }
  std::size_t ReadAt(const std::string& path, std::uint64_t offset,
                     std::span<unsigned char> bytes) noexcept override;

  // Counts an operation and throws if it is the one chosen to fail.
  void Step(const std::string& what);

 private:
  struct Failure {
    int operation;
    ErrorCode code;
  };
  std::optional<Failure> failure_;
  int operations_ = 0;
};

}  // namespace pavonet::testing
