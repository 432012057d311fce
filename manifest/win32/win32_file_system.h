// The file operations on the real file system, through kernel32's ANSI calls.
#pragma once

#include "manifest/file_system.h"

namespace pavonet::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  std::unique_ptr<WritableFile> Create(const std::string& path) override;
  std::unique_ptr<WritableFile> OpenToAppend(const std::string& path) override;
  void Remove(const std::string& path) noexcept override;
  bool IsExistingFile(const std::string& path) override;
  std::size_t ReadAt(const std::string& path, std::uint64_t offset,
                     std::span<unsigned char> bytes) noexcept override;
};

}  // namespace pavonet::win32
