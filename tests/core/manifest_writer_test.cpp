#include "manifest/manifest_writer.h"

#include <gtest/gtest.h>

#include "fakes/memory_file_system.h"
#include "manifest/errors.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

using testing::MemoryFileSystem;

const std::string kPath = "C:\\Tools\\app.exe.manifest";

ErrorCode CodeThrownBy(auto&& action) {
  try {
    action();
  } catch (const EInOutError& e) {
    return e.Code();
  }
  ADD_FAILURE() << "no EInOutError";
  return 0;
}

TEST(WriteManifest, CreatesReopensAndWritesIn128ByteBuffers) {
  MemoryFileSystem files;
  WriteManifest(files, kPath);
  EXPECT_EQ(files.files.at(kPath), ManifestDocument(ProcessorArchitecture::X86));
  EXPECT_EQ(files.log,
            (std::vector<std::string>{"create:" + kPath, "close", "open:" + kPath, "write:128",
                                      "write:128", "write:128", "write:128", "write:96", "close"}));
  EXPECT_EQ(files.openFiles, 0);
}

TEST(WriteManifest, ReplacesALongerFileWhole) {
  MemoryFileSystem files;
  files.files[kPath] = std::string(5000, 'x');
  WriteManifest(files, kPath);
  WriteManifest(files, kPath);
  EXPECT_EQ(files.files.at(kPath), ManifestDocument(ProcessorArchitecture::X86));
}

TEST(WriteManifest, WritesTheAnyArchitectureForm) {
  MemoryFileSystem files;
  WriteManifest(files, kPath, ProcessorArchitecture::Any);
  EXPECT_EQ(files.files.at(kPath), ManifestDocument(ProcessorArchitecture::Any));
  EXPECT_EQ(files.log.at(7), "write:92");
}

TEST(WriteManifest, FailedCreateLeavesTheOldFileAsItWas) {
  MemoryFileSystem files;
  files.files[kPath] = "old";
  files.FailOperation(0, 32);
  EXPECT_EQ(CodeThrownBy([&] { WriteManifest(files, kPath); }), 32u);
  EXPECT_EQ(files.files.at(kPath), "old");
  EXPECT_TRUE(files.removed.empty());
}

// Operations after the create: the close of the first handle, the reopen,
// the five buffer writes and the final close.
class WriteManifestFailureTest : public ::testing::TestWithParam<int> {};

TEST_P(WriteManifestFailureTest, LeavesNoCutShortManifestAndCarriesTheCode) {
  MemoryFileSystem files;
  files.files[kPath] = "old manifest";
  files.FailOperation(GetParam(), 112);

  EXPECT_EQ(CodeThrownBy([&] { WriteManifest(files, kPath); }), 112u);

  EXPECT_FALSE(files.files.contains(kPath));
  EXPECT_EQ(files.removed, std::vector<std::string>{kPath});
  EXPECT_EQ(files.openFiles, 0);
  EXPECT_EQ(files.log.size(), static_cast<std::size_t>(GetParam() + 1))
      << "no step after the failure";
}

INSTANTIATE_TEST_SUITE_P(EachStep, WriteManifestFailureTest, ::testing::Range(1, 9));

TEST(WriteManifest, PathThatDoesNotFitTheFieldCreatesNothing) {
  MemoryFileSystem files;
  const std::string fits = "C:\\" + std::string(kPathFieldSize - 1 - 3 - 9, 'a') + ".manifest";
  ASSERT_EQ(fits.size(), 259u);
  WriteManifest(files, fits);
  EXPECT_EQ(files.files.at(fits).size(), 608u);

  const std::string tooLong = "C:\\a" + fits.substr(3);
  ASSERT_EQ(tooLong.size(), 260u);
  EXPECT_EQ(CodeThrownBy([&] { WriteManifest(files, tooLong); }), kErrorFilenameTooLong);
  EXPECT_FALSE(files.files.contains(tooLong));
  EXPECT_EQ(EInOutError(kErrorFilenameTooLong).what(), testing::Sjis("I/O エラー (206)"));
}

}  // namespace
}  // namespace pavonet
