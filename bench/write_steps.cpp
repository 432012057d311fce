#include "bench/write_steps.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "bench/kernel_handles.h"
#include "bench/stopwatch.h"

namespace pavonet::bench {

namespace {

constexpr std::size_t kPiece = 128;

void Check(bool ok, const std::string& path) {
  if (!ok) throw std::runtime_error("failed on " + path);
}

bool Exists(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const FindHandle find(FindFirstFileA(path.c_str(), &found));
  return static_cast<bool>(find);
}

// One read as the program makes it: its own handle each time.
DWORD ReadAt(const std::string& path, LONGLONG offset, void* bytes, DWORD size) {
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 0;
  LARGE_INTEGER position{};
  position.QuadPart = offset;
  DWORD read = 0;
  if (!SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN) ||
      !ReadFile(file.Get(), bytes, size, &read, nullptr))
    return 0;
  return read;
}

void ReadMachine(const std::string& program) {
  unsigned char dos[64] = {};
  if (ReadAt(program, 0, dos, sizeof dos) != sizeof dos) return;
  LONGLONG peOffset = 0;
  for (int i = 3; i >= 0; --i)
    peOffset = (peOffset << 8) | dos[0x3C + i];
  unsigned char pe[6] = {};
  ReadAt(program, peOffset, pe, sizeof pe);
}

FileHandle Open(const std::string& path, DWORD access, DWORD disposition) {
  FileHandle file(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  Check(static_cast<bool>(file), path);
  return file;
}

void Write(HANDLE file, const char* bytes, std::size_t size, const std::string& path) {
  DWORD written = 0;
  Check(WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size,
        path);
}

}  // namespace

void WriteManifest(const std::string& program, const std::string& manifest,
                   const std::string& document, WriteSteps steps) {
  if (steps.probe && Exists(manifest)) throw std::runtime_error(manifest + " is already there");
  if (steps.readHeader) ReadMachine(program);

  FileHandle file = Open(manifest, GENERIC_WRITE, CREATE_ALWAYS);
  if (steps.reopen) {
    Check(file.Reset(), manifest);
    file = Open(manifest, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    Check(SetFilePointer(file.Get(), 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER, manifest);
  }
  if (steps.pieces) {
    for (std::size_t at = 0; at < document.size(); at += kPiece)
      Write(file.Get(), document.data() + at, std::min(kPiece, document.size() - at), manifest);
  } else {
    Write(file.Get(), document.data(), document.size(), manifest);
  }
  Check(file.Reset(), manifest);
}

void WriteManifests(const std::vector<std::string>& programs,
                    const std::vector<std::string>& manifests, const std::string& document,
                    WriteSteps steps) {
  for (std::size_t i = 0; i < manifests.size(); ++i)
    WriteManifest(programs[i], manifests[i], document, steps);
}

WriteTimes TimeWrites(const std::string& manifest, const std::string& document) {
  const FileHandle file = Open(manifest, GENERIC_WRITE, OPEN_EXISTING);
  const auto rewind = [&] {
    Check(SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER, manifest);
  };
  // The first write on a handle also fetches the file from the server:
  // done once before either is timed.
  Write(file.Get(), document.data(), document.size(), manifest);
  rewind();
  WriteTimes times{};
  const Stopwatch whole;
  Write(file.Get(), document.data(), document.size(), manifest);
  times.whole = whole.ElapsedMs();
  rewind();
  const Stopwatch pieces;
  for (std::size_t at = 0; at < document.size(); at += kPiece)
    Write(file.Get(), document.data() + at, std::min(kPiece, document.size() - at), manifest);
  times.pieces = pieces.ElapsedMs();
  return times;
}

}  // namespace pavonet::bench
