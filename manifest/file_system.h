// The file operations the manifest writer needs. The Win32 implementation
// calls the system; tests use an in-memory one that can fail on demand.
// Every operation that fails throws EInOutError with the system's code.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace pavonet {

// An open file that is written sequentially. Destroying it closes it.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Hands the bytes to the system in one write.
  virtual void Write(std::span<const char> bytes) = 0;
  // Releases the file; it is released even when this throws.
  virtual void Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates the file, or truncates an existing one, for writing. Others may
  // read it while it is open, but not write or delete it.
  virtual std::unique_ptr<WritableFile> Create(const std::string& path) = 0;

  // Opens an existing file for reading and writing, positioned at its end.
  virtual std::unique_ptr<WritableFile> OpenToAppend(const std::string& path) = 0;

  // Deletes the file if it can; failures are ignored.
  virtual void Remove(const std::string& path) noexcept = 0;

  // True when something exists at the path and it is not a directory.
  virtual bool IsExistingFile(const std::string& path) = 0;

  // Reads up to bytes.size() bytes at the offset. Returns how many were read:
  // 0 when the file is missing, unreadable or shorter. Never throws.
  virtual std::size_t ReadAt(const std::string& path, std::uint64_t offset,
                             std::span<unsigned char> bytes) noexcept = 0;
};

}  // namespace pavonet
