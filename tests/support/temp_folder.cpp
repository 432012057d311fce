#include "support/temp_folder.h"

#include <windows.h>

#include <stdexcept>

#include "manifest/win32/kernel_handles.h"

namespace pavonet::testing {

namespace {

void DeleteTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const win32::UniqueFind find(FindFirstFileA((folder + "*").c_str(), &found));
  if (find) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(path + "\\");
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find.Get(), &found));
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no temporary folder");
  for (unsigned n = GetTickCount();; ++n) {
    path_ = std::string(temp) + "pavonet-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(n) + "\\";
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
  }
}

TempFolder::~TempFolder() {
  DeleteTree(path_);
}

std::string ReadWholeFile(const std::string& path) {
  const win32::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
  if (!file) throw std::runtime_error("cannot open " + path);
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  const win32::UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (!file ||
      !WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr))
    throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace pavonet::testing
