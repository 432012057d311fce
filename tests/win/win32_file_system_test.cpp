// The manifest writer and the probe on the real file system.
#include "manifest/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "manifest/errors.h"
#include "manifest/executable_architecture.h"
#include "manifest/manifest_writer.h"
#include "manifest/win32/kernel_handles.h"
#include "support/temp_folder.h"

namespace pavonet {
namespace {

using testing::Exists;
using testing::IsDirectory;
using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

const std::string kDocument = ManifestDocument(ProcessorArchitecture::X86);

class Win32FileSystemTest : public ::testing::Test {
 protected:
  win32::Win32FileSystem files;
  TempFolder folder;
  const std::string manifest = folder / "app.exe.manifest";

  ErrorCode WriteFails(const std::string& path) {
    try {
      WriteManifest(files, path);
    } catch (const EInOutError& e) {
      return e.Code();
    }
    return 0;
  }
};

TEST_F(Win32FileSystemTest, WritesTheDocumentAndReplacesALongerFileWhole) {
  WriteManifest(files, manifest);
  EXPECT_EQ(ReadWholeFile(manifest), kDocument);

  WriteWholeFile(manifest, std::string(4000, 'x'));
  WriteManifest(files, manifest);
  WriteManifest(files, manifest);
  EXPECT_EQ(ReadWholeFile(manifest), kDocument);
}

TEST_F(Win32FileSystemTest, MissingFolderFailsWithCode3AndCreatesNothing) {
  const std::string path = folder / "gone\\app.exe.manifest";
  EXPECT_EQ(WriteFails(path), 3u);
  EXPECT_FALSE(Exists(folder / "gone"));
}

TEST_F(Win32FileSystemTest, ReadOnlyManifestFailsWithCode5AndStays) {
  WriteWholeFile(manifest, "mine");
  SetFileAttributesA(manifest.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(files.IsExistingFile(manifest));
  EXPECT_EQ(WriteFails(manifest), 5u);
  EXPECT_EQ(ReadWholeFile(manifest), "mine");
}

TEST_F(Win32FileSystemTest, DirectoryAtTheProbePathIsNoFileAndStays) {
  ASSERT_TRUE(CreateDirectoryA(manifest.c_str(), nullptr));
  EXPECT_FALSE(files.IsExistingFile(manifest));
  EXPECT_NE(WriteFails(manifest), 0u);
  EXPECT_TRUE(IsDirectory(manifest));
}

TEST_F(Win32FileSystemTest, ManifestHeldOpenWithoutWriteSharingFailsWithCode32) {
  WriteWholeFile(manifest, "held");
  const win32::UniqueFile holder(CreateFileA(manifest.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  EXPECT_EQ(WriteFails(manifest), 32u);
  EXPECT_EQ(ReadWholeFile(manifest), "held");
}

TEST_F(Win32FileSystemTest, OthersMayReadButNotWriteWhileTheWriterHoldsTheFile) {
  auto file = files.Create(manifest);
  const auto tryOpen = [&](DWORD access) {
    HANDLE h = CreateFileA(manifest.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    const bool opened = h != INVALID_HANDLE_VALUE;
    if (opened) CloseHandle(h);
    return opened;
  };
  EXPECT_TRUE(tryOpen(GENERIC_READ));
  EXPECT_FALSE(tryOpen(GENERIC_WRITE));
  EXPECT_FALSE(DeleteFileA(manifest.c_str()));
}

TEST_F(Win32FileSystemTest, IsExistingFileIsFalseForNothing) {
  EXPECT_FALSE(files.IsExistingFile(manifest));
  WriteWholeFile(manifest, "");
  EXPECT_TRUE(files.IsExistingFile(manifest));
}

TEST_F(Win32FileSystemTest, PathOf259BytesIsWrittenAnd260IsRefused) {
  // Nested folders keep every component short enough for the host system.
  std::string path = folder.Path();
  while (path.size() + 100 < kPathFieldSize) {
    path += std::string(90, 'd') + "\\";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
  }
  const std::string suffix = ".exe.manifest";
  const std::string fits = path + std::string(259 - path.size() - suffix.size(), 'a') + suffix;
  ASSERT_EQ(fits.size(), 259u);
  WriteManifest(files, fits);
  EXPECT_EQ(ReadWholeFile(fits), kDocument);

  const std::string tooLong = path + "b" + fits.substr(path.size());
  ASSERT_EQ(tooLong.size(), 260u);
  EXPECT_EQ(WriteFails(tooLong), kErrorFilenameTooLong);
  EXPECT_FALSE(Exists(tooLong));
}

std::string BesideThisProgram(const std::string& name) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

TEST_F(Win32FileSystemTest, ArchitectureIsReadFromRealImages) {
  EXPECT_EQ(ArchitectureOf(files, BesideThisProgram("win_tests.exe")), ProcessorArchitecture::Any);
  EXPECT_EQ(ArchitectureOf(files, BesideThisProgram("tiny_i386.exe")), ProcessorArchitecture::X86);

  WriteWholeFile(manifest, "MZ not really");
  EXPECT_EQ(ArchitectureOf(files, manifest), ProcessorArchitecture::X86);
  EXPECT_EQ(ArchitectureOf(files, folder.Path()), ProcessorArchitecture::X86);
  EXPECT_EQ(ArchitectureOf(files, folder / "missing.exe"), ProcessorArchitecture::X86);
}

}  // namespace
}  // namespace pavonet
