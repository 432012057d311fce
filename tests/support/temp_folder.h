// A fresh folder under the system's temporary folder, deleted with all its
// contents (read-only files included) when the test ends.
#pragma once

#include <string>

namespace pavonet::testing {

class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  // The folder's path, ending in "\".
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Whole-file helpers over the real file system.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);

}  // namespace pavonet::testing
