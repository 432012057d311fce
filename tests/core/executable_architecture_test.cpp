#include "manifest/executable_architecture.h"

#include <gtest/gtest.h>

#include "fakes/memory_file_system.h"

namespace pavonet {
namespace {

// A DOS header pointing at a PE signature at `peOffset`, then the machine.
std::string PeImage(std::uint16_t machine, std::uint32_t peOffset = 0x80) {
  std::string image(peOffset + 24, '\0');
  image[0] = 'M';
  image[1] = 'Z';
  for (int i = 0; i < 4; ++i)
    image[0x3C + i] = static_cast<char>(peOffset >> (8 * i));
  image.replace(peOffset, 4, std::string("PE\0\0", 4));
  image[peOffset + 4] = static_cast<char>(machine & 0xFF);
  image[peOffset + 5] = static_cast<char>(machine >> 8);
  return image;
}

struct ImageCase {
  const char* name;
  std::string content;
  ProcessorArchitecture expected;
};

class ArchitectureOfTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ArchitectureOfTest, OnlyNonI386PeImagesGetAnyArchitecture) {
  testing::MemoryFileSystem files;
  files.files["C:\\app.exe"] = GetParam().content;
  EXPECT_EQ(ArchitectureOf(files, "C:\\app.exe"), GetParam().expected);
}

std::string Truncated(std::string image, std::size_t size) {
  image.resize(size);
  return image;
}

std::string PointingAt(std::string image, std::uint32_t peOffset) {
  for (int i = 0; i < 4; ++i)
    image[0x3C + i] = static_cast<char>(peOffset >> (8 * i));
  return image;
}

std::string WithoutSignature(std::string image) {
  image[0x80] = 'N';
  return image;
}

INSTANTIATE_TEST_SUITE_P(
    Images, ArchitectureOfTest,
    ::testing::Values(
        ImageCase{"i386", PeImage(0x014C), ProcessorArchitecture::X86},
        ImageCase{"x64", PeImage(0x8664), ProcessorArchitecture::Any},
        ImageCase{"arm64", PeImage(0xAA64), ProcessorArchitecture::Any},
        ImageCase{"unknown", PeImage(0x1234), ProcessorArchitecture::Any},
        ImageCase{"farHeader", PeImage(0x8664, 0x10000), ProcessorArchitecture::Any},
        ImageCase{"empty", "", ProcessorArchitecture::X86},
        ImageCase{"text", std::string(200, 'x'), ProcessorArchitecture::X86},
        ImageCase{"dosOnly", Truncated(PeImage(0x8664), 64), ProcessorArchitecture::X86},
        ImageCase{"cutMachine", Truncated(PeImage(0x8664), 0x85), ProcessorArchitecture::X86},
        ImageCase{"noSignature", WithoutSignature(PeImage(0x8664)), ProcessorArchitecture::X86},
        ImageCase{"offsetPastEnd", PointingAt(PeImage(0x8664), 0xFFFFFFF0u),
                  ProcessorArchitecture::X86}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ArchitectureOf, MissingFileIsX86) {
  testing::MemoryFileSystem files;
  EXPECT_EQ(ArchitectureOf(files, "C:\\gone.exe"), ProcessorArchitecture::X86);
}

}  // namespace
}  // namespace pavonet
