#include "manifest/manifest_paths.h"

#include <gtest/gtest.h>

#include "fakes/test_code_pages.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

const testing::ShiftJisCodePage kShiftJis;
const testing::SingleByteCodePage kSingleByte;

using testing::Sjis;

TEST(ShiftJisCases, CarryA5CSecondByte) {
  // The cases below rely on these bytes: 表 and ソ end in "\".
  EXPECT_EQ(Sjis("表ソ"), "\x95\x5C\x83\x5C");
}

struct ExtensionCase {
  std::string_view path;
  std::string_view shiftJis;    // extension under code page 932
  std::string_view singleByte;  // extension under a single-byte page
};

class ExtensionOfTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionOfTest, FindsTheLastDotAfterTheLastSeparator) {
  const ExtensionCase& c = GetParam();
  const std::string path = Sjis(c.path);
  EXPECT_EQ(ExtensionOf(path, kShiftJis), Sjis(c.shiftJis));
  EXPECT_EQ(ExtensionOf(path, kSingleByte), Sjis(c.singleByte));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExtensionOfTest,
    ::testing::Values(
        ExtensionCase{"C:\\Tools\\app.exe", ".exe", ".exe"},
        ExtensionCase{"C:\\Tools\\SETUP.EXE", ".EXE", ".EXE"},
        ExtensionCase{"C:\\Tools\\app.exe.bak", ".bak", ".bak"}, ExtensionCase{"C:\\Tools", "", ""},
        ExtensionCase{"C:\\dir.old\\readme", "", ""}, ExtensionCase{"C:\\old.exe", ".exe", ".exe"},
        ExtensionCase{"C:app.exe", ".exe", ".exe"}, ExtensionCase{"C:", "", ""},
        ExtensionCase{"", "", ""}, ExtensionCase{".exe", ".exe", ".exe"},
        ExtensionCase{"C:\\Tools\\app.", ".", "."},
        ExtensionCase{"C:\\表\\ソフト.exe", ".exe", ".exe"},
        // ソ ends in 0x5C: a separator only where it is not a character's second byte.
        ExtensionCase{"C:\\x.txtソ", ".txtソ", ""}, ExtensionCase{"C:\\a.b表", ".b表", ""},
        // Two lead-range bytes (＝) make a whole character: the 0x5C after it separates.
        ExtensionCase{"C:\\x.txt＝\\y", "", ""}));

struct ManifestPathCase {
  std::string_view entry;
  std::string_view manifestPath;  // under code page 932
};

class ManifestPathOfTest : public ::testing::TestWithParam<ManifestPathCase> {};

TEST_P(ManifestPathOfTest, ReplacesTheExtensionWithExeManifest) {
  EXPECT_EQ(ManifestPathOf(Sjis(GetParam().entry), kShiftJis), Sjis(GetParam().manifestPath));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ManifestPathOfTest,
    ::testing::Values(ManifestPathCase{"C:\\Tools\\app.exe", "C:\\Tools\\app.exe.manifest"},
                      ManifestPathCase{"C:\\Tools\\app.Exe", "C:\\Tools\\app.exe.manifest"},
                      ManifestPathCase{"C:\\Tools\\app.exe.bak", "C:\\Tools\\app.exe.exe.manifest"},
                      ManifestPathCase{"C:\\Tools", "C:\\Tools.exe.manifest"},
                      ManifestPathCase{"C:\\dir.old\\readme", "C:\\dir.old\\readme.exe.manifest"},
                      ManifestPathCase{"C:", "C:.exe.manifest"},
                      ManifestPathCase{"C:\\x.txtソ", "C:\\x.exe.manifest"},
                      ManifestPathCase{"C:\\表\\ソフト.exe", "C:\\表\\ソフト.exe.manifest"}));

TEST(ManifestPathOf, SingleBytePageTakesEvery5CForASeparator) {
  EXPECT_EQ(ManifestPathOf(Sjis("C:\\x.txtソ"), kSingleByte), Sjis("C:\\x.txtソ.exe.manifest"));
}

TEST(ProbePathOf, AppendsManifest) {
  EXPECT_EQ(ProbePathOf("C:\\Tools\\app.Exe"), "C:\\Tools\\app.Exe.manifest");
  EXPECT_EQ(ProbePathOf(""), ".manifest");
}

}  // namespace
}  // namespace pavonet
