#include "manifest/executable_architecture.h"

#include <array>
#include <cstdint>

namespace pavonet {

namespace {

constexpr std::size_t kDosHeaderSize = 64;
constexpr std::size_t kPeOffsetField = 0x3C;
constexpr std::uint16_t kMachineI386 = 0x014C;

std::uint32_t ReadLittleEndian(const unsigned char* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i > 0; --i)
    value = (value << 8) | bytes[i - 1];
  return value;
}

}  // namespace

ProcessorArchitecture ArchitectureOf(FileSystem& files, const std::string& executable) noexcept {
  std::array<unsigned char, kDosHeaderSize> dos{};
  if (files.ReadAt(executable, 0, dos) != dos.size()) return ProcessorArchitecture::X86;
  if (dos[0] != 'M' || dos[1] != 'Z') return ProcessorArchitecture::X86;

  // "PE\0\0" followed by the 16-bit machine field.
  std::array<unsigned char, 6> pe{};
  const std::uint32_t peOffset = ReadLittleEndian(&dos[kPeOffsetField], 4);
  if (files.ReadAt(executable, peOffset, pe) != pe.size()) return ProcessorArchitecture::X86;
  if (pe[0] != 'P' || pe[1] != 'E' || pe[2] != 0 || pe[3] != 0) return ProcessorArchitecture::X86;

  const auto machine = static_cast<std::uint16_t>(ReadLittleEndian(&pe[4], 2));
  return machine == kMachineI386 ? ProcessorArchitecture::X86 : ProcessorArchitecture::Any;
}

}  // namespace pavonet
