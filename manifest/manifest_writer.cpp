#include "manifest/manifest_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "manifest/errors.h"

namespace pavonet {

namespace {

// Collects output and hands it to the file whenever the buffer is full.
class BufferedWriter {
 public:
  explicit BufferedWriter(WritableFile& file) : file_(file) {}

  void Append(std::string_view text) {
    while (!text.empty()) {
      const std::size_t n = std::min(text.size(), buffer_.size() - used_);
      std::copy_n(text.data(), n, buffer_.data() + used_);
      used_ += n;
      text.remove_prefix(n);
      if (used_ == buffer_.size()) Flush();
    }
  }

  void Flush() {
    if (used_ == 0) return;
    file_.Write(std::span<const char>(buffer_.data(), used_));
    used_ = 0;
  }

 private:
  WritableFile& file_;
  std::array<char, kWriteBufferSize> buffer_{};
  std::size_t used_ = 0;
};

// Deletes the file on the way out unless the write completed.
class RemoveUnlessComplete {
 public:
  RemoveUnlessComplete(FileSystem& files, const std::string& path) : files_(files), path_(path) {}
  RemoveUnlessComplete(const RemoveUnlessComplete&) = delete;
  RemoveUnlessComplete& operator=(const RemoveUnlessComplete&) = delete;
  ~RemoveUnlessComplete() {
    if (!complete_) files_.Remove(path_);
  }
  void Complete() { complete_ = true; }

 private:
  FileSystem& files_;
  const std::string& path_;
  bool complete_ = false;
};

// Steps 2 to 4: reopen the created file, write the document, close it. Every
// handle is released before an exception leaves this function.
void WriteDocument(FileSystem& files, const std::string& path,
                   std::unique_ptr<WritableFile> created, ProcessorArchitecture architecture) {
  created->Close();
  const auto file = files.OpenToAppend(path);
  BufferedWriter out(*file);
  for (std::size_t i = 0; i < ManifestLines.size(); ++i) {
    out.Append(ManifestLine(i, architecture));
    out.Append(kLineEnd);
  }
  out.Flush();
  file->Close();
}

}  // namespace

void WriteManifest(FileSystem& files, const std::string& path, ProcessorArchitecture architecture) {
  if (path.size() >= kPathFieldSize) throw EInOutError(kErrorFilenameTooLong);
  auto created = files.Create(path);
  RemoveUnlessComplete cleanup(files, path);
  WriteDocument(files, path, std::move(created), architecture);
  cleanup.Complete();
}

bool IsExistingFile(FileSystem& files, const std::string& path) {
  return files.IsExistingFile(path);
}

}  // namespace pavonet
