#include "ui/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "jpeg_test_data.h"  // emblem_jpg and djpeg's decodes of it, as PPM

namespace {

using pavonet::decode_jpeg;
using pavonet::DecodedJpeg;
using pavonet::ScreenColours;
using Bytes = std::span<const std::uint8_t>;

struct Ppm {
  int width = 0;
  int height = 0;
  Bytes pixels;
};

// djpeg writes "P6\n<width> <height>\n255\n" and then the RGB rows.
Ppm read_ppm(Bytes file) {
  std::size_t at = 0;
  auto number = [&] {
    while (at < file.size() && std::isspace(file[at]))
      ++at;
    int value = 0;
    while (at < file.size() && std::isdigit(file[at]))
      value = value * 10 + (file[at++] - '0');
    return value;
  };
  if (file.size() < 2 || file[0] != 'P' || file[1] != '6') throw std::runtime_error("not a PPM");
  at = 2;
  Ppm ppm;
  ppm.width = number();
  ppm.height = number();
  if (number() != 255) throw std::runtime_error("PPM not 8-bit");
  ppm.pixels = file.subspan(at + 1);
  return ppm;
}

// An indexed picture as RGB triples.
std::vector<std::uint8_t> as_rgb(const DecodedJpeg& image) {
  std::vector<std::uint8_t> rgb;
  for (std::uint8_t index : image.pixels) {
    const auto& colour = image.palette.at(index);
    rgb.insert(rgb.end(), {colour.r, colour.g, colour.b});
  }
  return rgb;
}

// Over two sequences of the same length.
int largest_difference(const auto& a, const auto& b) {
  int largest = 0;
  for (std::size_t i = 0; i < std::size(a); ++i)
    largest = std::max(largest, std::abs(int{a[i]} - int{b[i]}));
  return largest;
}

// Mean of each 8x8 block of an RGB picture, per channel.
std::vector<int> block_means(Bytes rgb, int width, int height) {
  std::vector<int> means;
  for (int by = 0; by < height; by += 8)
    for (int bx = 0; bx < width; bx += 8)
      for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int y = by; y < by + 8; ++y)
          for (int x = bx; x < bx + 8; ++x)
            sum += rgb[(y * width + x) * 3 + c];
        means.push_back(sum / 64);
      }
  return means;
}

TEST(JpegDecoder, FullColourMatchesDjpeg) {
  const Ppm reference = read_ppm(djpeg_rgb_ppm);
  const DecodedJpeg image = decode_jpeg(emblem_jpg, ScreenColours::full);

  EXPECT_EQ(image.width, 64);
  EXPECT_EQ(image.height, 64);
  EXPECT_TRUE(image.palette.empty());
  ASSERT_EQ(image.width, reference.width);
  ASSERT_EQ(image.height, reference.height);
  ASSERT_EQ(image.pixels.size(), reference.pixels.size());
  // Another build's float DCT may round a unit or two differently.
  EXPECT_LE(largest_difference(image.pixels, reference.pixels), SAME_LIBJPEG_AS_DJPEG ? 0 : 2);
}

TEST(JpegDecoder, PaletteMatchesDjpegOnePass) {
  const DecodedJpeg image = decode_jpeg(emblem_jpg, ScreenColours::palette);

  ASSERT_EQ(image.width, 64);
  ASSERT_EQ(image.height, 64);
  ASSERT_FALSE(image.palette.empty());
  EXPECT_LE(image.palette.size(), std::size_t{pavonet::max_palette_colours});
  ASSERT_EQ(image.pixels.size(), std::size_t{64 * 64});
  const std::uint8_t top = *std::max_element(image.pixels.begin(), image.pixels.end());
  ASSERT_LT(top, image.palette.size());

  const std::vector<std::uint8_t> rgb = as_rgb(image);
  const Ppm reference = read_ppm(djpeg_onepass_ppm);
  ASSERT_EQ(rgb.size(), reference.pixels.size());
  if (SAME_LIBJPEG_AS_DJPEG) {
    EXPECT_EQ(largest_difference(rgb, reference.pixels), 0);
  } else {
    // A unit's difference in the DCT sends the dithering another way (the
    // integer DCT's input changes half the pixels), yet each 8x8 block's
    // average stays within a few units (3 there): compare those.
    const auto ours = block_means(rgb, 64, 64);
    const auto theirs = block_means(reference.pixels, 64, 64);
    EXPECT_LE(largest_difference(ours, theirs), 8);
  }
}

// The emblem with bytes overwritten, `offset` bytes past its last `marker`.
std::vector<std::uint8_t> emblem_patched(std::uint8_t marker, std::size_t offset,
                                         std::vector<std::uint8_t> bytes) {
  std::vector<std::uint8_t> file(std::begin(emblem_jpg), std::end(emblem_jpg));
  const std::uint8_t code[] = {0xFF, marker};
  const auto at = std::find_end(file.begin(), file.end(), std::begin(code), std::end(code));
  if (at == file.end()) throw std::logic_error("marker not in the emblem");
  std::copy(bytes.begin(), bytes.end(), at + static_cast<std::ptrdiff_t>(offset));
  return file;
}

TEST(JpegDecoder, DamagedDataThrowsLibjpegsMessage) {
  const Bytes whole(emblem_jpg);
  const std::string text = "This is not a JPEG file at all.";
  const auto zero_height = emblem_patched(0xC2, 5, {0, 0});                             // in SOF2
  const auto bad_table = emblem_patched(0xC4, 5, std::vector<std::uint8_t>(16, 0xFF));  // last DHT

  const struct {
    const char* what;
    Bytes bytes;
    const char* message;
  } cases[] = {
      {"nothing", {}, "Empty input file"},
      {"text",
       {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
       "Not a JPEG file"},
      {"zero height", zero_height, "Empty JPEG image"},
      {"bad Huffman table between scans", bad_table, "Bogus Huffman table"},
      {"start of image only", whole.first(2), "Premature end of JPEG file"},
      {"first half", whole.first(whole.size() / 2), "Premature end of JPEG file"},
      {"end of image missing", whole.first(whole.size() - 2), "Premature end of JPEG file"},
  };
  for (const auto& c : cases)
    for (ScreenColours screen : {ScreenColours::full, ScreenColours::palette}) {
      try {
        decode_jpeg(c.bytes, screen);
        ADD_FAILURE() << c.what << ": no exception";
      } catch (const std::runtime_error& e) {
        EXPECT_TRUE(std::string(e.what()).find(c.message) != std::string::npos)
            << c.what << ": \"" << e.what() << "\"";
      }
    }
}

}  // namespace
