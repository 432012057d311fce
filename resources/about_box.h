// The About window's layout: pixels at 96 dpi.
#pragma once

#include <cstdint>
#include <span>

#include "ui/layout.h"

namespace pavonet::resources {

// Control ids. Kept clear of IDOK and IDCANCEL, which keyboard navigation
// sends for Enter and Esc when no button is meant.
enum AboutBoxId {
  kPanel1 = 100,
  kProgramIcon,
  kProductName,
  kVersion,
  kCopyright,
  kComments,
  kOKButton,
  kLabel1,
};

extern const ui::FormLayout kAboutBoxLayout;

// The emblem that ProgramIcon shows: a 64 x 64 progressive JPEG, compiled in
// from resources/emblem/emblem.jpg by the build.
extern const std::span<const std::uint8_t> kEmblemJpeg;

}  // namespace pavonet::resources
