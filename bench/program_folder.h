// A fresh folder under the temporary folder holding small programs: an
// i386 PE header and nothing more, which is all the manifest commands read.
// Deleted with everything in it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pavonet::bench {

class ProgramFolder {
 public:
  explicit ProgramFolder(int count);
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  ~ProgramFolder();

  // Full paths, "...\prog0000.exe" and on.
  const std::vector<std::string>& Programs() const { return programs_; }
  // Where each program's manifest goes: the program's path + ".manifest".
  const std::vector<std::string>& Manifests() const { return manifests_; }

  // How many manifests ("*.manifest") in the folder have exactly `size` bytes.
  int CountManifests(std::size_t size) const;
  void RemoveManifests() const;

 private:
  std::string path_;
  std::vector<std::string> programs_;
  std::vector<std::string> manifests_;
};

}  // namespace pavonet::bench
