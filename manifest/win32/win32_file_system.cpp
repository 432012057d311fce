#include "manifest/win32/win32_file_system.h"

#include <windows.h>

#include <limits>

#include "manifest/errors.h"
#include "manifest/win32/kernel_handles.h"

namespace pavonet::win32 {

namespace {

[[noreturn]] void ThrowLastError() {
  throw EInOutError(GetLastError());
}

UniqueFile OpenFile(const std::string& path, DWORD access, DWORD disposition) {
  UniqueFile file(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastError();
  return file;
}

class Win32File final : public WritableFile {
 public:
  explicit Win32File(UniqueFile handle) : handle_(std::move(handle)) {}

  void Write(std::span<const char> bytes) override {
    DWORD written = 0;
    if (!WriteFile(handle_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr))
      ThrowLastError();
  }

  void Close() override {
    if (!handle_.Reset()) ThrowLastError();
  }

 private:
  UniqueFile handle_;
};

}  // namespace

std::unique_ptr<WritableFile> Win32FileSystem::Create(const std::string& path) {
  return std::make_unique<Win32File>(OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS));
}

std::unique_ptr<WritableFile> Win32FileSystem::OpenToAppend(const std::string& path) {
  UniqueFile file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  if (SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR)
    ThrowLastError();
  return std::make_unique<Win32File>(std::move(file));
}

void Win32FileSystem::Remove(const std::string& path) noexcept {
  DeleteFileA(path.c_str());
}

bool Win32FileSystem::IsExistingFile(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const UniqueFind find(FindFirstFileA(path.c_str(), &found));
  return find && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::size_t Win32FileSystem::ReadAt(const std::string& path, std::uint64_t offset,
                                    std::span<unsigned char> bytes) noexcept {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || bytes.size() > std::numeric_limits<DWORD>::max()) return 0;
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN)) return 0;
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return 0;
  return read;
}

}  // namespace pavonet::win32
