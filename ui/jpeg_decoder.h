#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pavonet {

// A 256-colour screen keeps 20 entries for the system colours.
inline constexpr int max_palette_colours = 236;

// What the screen can show: a palette screen (8 bits per pixel or fewer) gets
// an indexed picture, anything else full colour.
enum class ScreenColours { full, palette };

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

struct DecodedJpeg {
  int width = 0;
  int height = 0;
  // Rows top-down, unpadded: R, G, B per pixel, or one index into
  // `palette` per pixel when the palette is not empty.
  std::vector<std::uint8_t> pixels;
  std::vector<Rgb> palette;
};

// Decodes a whole JPEG at full size; progressive pictures come out finished,
// never as their early scans. Throws std::runtime_error with libjpeg's message
// on damaged data, warnings such as a truncated file included.
DecodedJpeg decode_jpeg(std::span<const std::uint8_t> data, ScreenColours screen);

}  // namespace pavonet
