#include "bench/program_folder.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <stdexcept>

#include "bench/kernel_handles.h"

namespace pavonet::bench {

namespace {

// "MZ", the PE header's offset at 0x3C, and there "PE\0\0" with machine i386.
std::array<char, 512> TinyProgram() {
  std::array<char, 512> image{};
  image[0] = 'M';
  image[1] = 'Z';
  image[0x3C] = static_cast<char>(0x80);
  image[0x80] = 'P';
  image[0x81] = 'E';
  image[0x84] = static_cast<char>(0x4C);
  image[0x85] = static_cast<char>(0x01);
  return image;
}

void WriteWhole(const std::string& path, const char* bytes, DWORD size) {
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.Get(), bytes, size, &written, nullptr) || written != size)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace

ProgramFolder::ProgramFolder(int count) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "pavonet-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
  if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot make " + path_);
  const std::array<char, 512> image = TinyProgram();
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "prog%04d.exe", i);
    programs_.push_back(path_ + name);
    manifests_.push_back(programs_.back() + ".manifest");
    WriteWhole(programs_.back(), image.data(), static_cast<DWORD>(image.size()));
  }
}

ProgramFolder::~ProgramFolder() {
  RemoveManifests();
  for (const std::string& program : programs_)
    DeleteFileA(program.c_str());
  RemoveDirectoryA(path_.c_str());
}

int ProgramFolder::CountManifests(std::size_t size) const {
  // One walk of the folder: a lookup per name would read it a thousand times.
  WIN32_FIND_DATAA found{};
  const FindHandle find(FindFirstFileA((path_ + "*.manifest").c_str(), &found));
  if (!find) return 0;
  int count = 0;
  do {
    if (found.nFileSizeHigh == 0 && found.nFileSizeLow == size) ++count;
  } while (FindNextFileA(find.Get(), &found));
  return count;
}

void ProgramFolder::RemoveManifests() const {
  for (const std::string& manifest : manifests_)
    DeleteFileA(manifest.c_str());
}

}  // namespace pavonet::bench
