#include "manifest/manifest_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace pavonet {
namespace {

// The document as it must reach the disk, spelt out independently of the table.
constexpr std::string_view kExpected =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "<assemblyIdentity\r\n"
    "  version=\"1.0.0.0\"\r\n"
    "  processorArchitecture=\"X86\"\r\n"
    "  name=\"by Pavonet\"\r\n"
    "  type=\"win32\" />\r\n"
    "<description>Description</description>\r\n"
    "<dependency>\r\n"
    "    <dependentAssembly>\r\n"
    "<assemblyIdentity\r\n"
    "            type=\"win32\"\r\n"
    "            name=\"Microsoft.Windows.Common-Controls\"\r\n"
    "            version=\"6.0.0.0\"\r\n"
    "            processorArchitecture=\"X86\"\r\n"
    "            publicKeyToken=\"6595b64144ccf1df\"\r\n"
    " language=\"*\" />\r\n"
    "</dependentAssembly>\r\n"
    "</dependency>\r\n"
    "</assembly>\r\n";

TEST(ManifestDocument, IsTheExact608Bytes) {
  const std::string document = ManifestDocument(ProcessorArchitecture::X86);
  EXPECT_EQ(document.size(), 608u);
  EXPECT_EQ(document, kExpected);
}

TEST(ManifestDocument, LinesHaveTheirLengthsAndPlainAsciiText) {
  constexpr std::array<std::size_t, 20> kLengths = {55, 73, 17, 19, 29, 19, 17, 38, 12, 23,
                                                    17, 24, 52, 29, 39, 45, 16, 20, 13, 11};
  for (std::size_t i = 0; i < kLengths.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const std::string_view line = ManifestLines[i];
    EXPECT_EQ(line.size(), kLengths[i]);
    EXPECT_TRUE(
        std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; }));
  }
}

TEST(ManifestDocument, AnyArchitectureFormDiffersOnlyInTheTwoArchitectureValues) {
  std::string expected(kExpected);
  for (std::size_t at; (at = expected.find("\"X86\"")) != std::string::npos;)
    expected.replace(at, 5, "\"*\"");
  const std::string document = ManifestDocument(ProcessorArchitecture::Any);
  EXPECT_EQ(document.size(), 604u);
  EXPECT_EQ(document, expected);
}

}  // namespace
}  // namespace pavonet
