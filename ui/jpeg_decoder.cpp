#include "jpeg_decoder.h"

#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <limits>
#include <stdexcept>

#include <jpeglib.h>

namespace pavonet {
namespace {

[[noreturn]] void throw_message(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX] = {};
  info->err->format_message(info, message);
  throw std::runtime_error(message);
}

// libjpeg would exit the process here. Throwing unwinds through libjpeg's own
// frames, which is why the Windows builds compile it with -fexceptions.
void on_error(j_common_ptr info) {
  throw_message(info);
}

// Negative levels are warnings, nearly all about damaged data (a truncated
// file among them): better no emblem than a garbled one. Others are traces.
void on_message(j_common_ptr info, int level) {
  if (level < 0) throw_message(info);
}

class Decompressor {
 public:
  Decompressor() {
    info_.err = jpeg_std_error(&errors_);
    errors_.error_exit = on_error;
    errors_.emit_message = on_message;
    jpeg_create_decompress(&info_);
  }
  ~Decompressor() { jpeg_destroy_decompress(&info_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct* operator->() { return &info_; }
  jpeg_decompress_struct* get() { return &info_; }

 private:
  jpeg_error_mgr errors_{};
  jpeg_decompress_struct info_{};
};

}  // namespace

DecodedJpeg decode_jpeg(std::span<const std::uint8_t> data, ScreenColours screen) {
  // jpeg_mem_src takes an unsigned long, 32 bits on Windows.
  if (data.size() > std::numeric_limits<unsigned long>::max())
    throw std::runtime_error("JPEG data too large");

  Decompressor jpeg;
  jpeg_mem_src(jpeg.get(), data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(jpeg.get(), TRUE);

  jpeg->scale_num = 1;
  jpeg->scale_denom = 1;
  jpeg->dct_method = JDCT_FLOAT;
  jpeg->do_block_smoothing = TRUE;
  jpeg->buffered_image = FALSE;  // the finished picture only
  jpeg->out_color_space = JCS_RGB;
  if (screen == ScreenColours::palette) {
    jpeg->quantize_colors = TRUE;
    jpeg->desired_number_of_colors = max_palette_colours;
    jpeg->two_pass_quantize = FALSE;
  }
  jpeg_start_decompress(jpeg.get());

  DecodedJpeg image;
  image.width = static_cast<int>(jpeg->output_width);
  image.height = static_cast<int>(jpeg->output_height);
  if (jpeg->quantize_colors) {
    JSAMPARRAY map = jpeg->colormap;
    for (int i = 0; i < jpeg->actual_number_of_colors; ++i)
      image.palette.push_back({map[0][i], map[1][i], map[2][i]});
  }

  const std::size_t row_bytes =
      std::size_t{jpeg->output_width} * static_cast<std::size_t>(jpeg->output_components);
  image.pixels.resize(row_bytes * jpeg->output_height);
  while (jpeg->output_scanline < jpeg->output_height) {
    JSAMPROW row = image.pixels.data() + row_bytes * jpeg->output_scanline;
    // Memory input never suspends; a zero here would loop for ever.
    if (jpeg_read_scanlines(jpeg.get(), &row, 1) != 1)
      throw std::runtime_error("JPEG decoding stopped early");
  }
  jpeg_finish_decompress(jpeg.get());
  return image;
}

}  // namespace pavonet
