#include "ui/image.h"

#include <cstddef>
#include <memory>
#include <stdexcept>

#include "ui/window.h"

namespace pavonet::ui {

namespace {

constexpr char kClassName[] = "TImage";

ScreenColours ReadScreenColours() {
  const WindowDc screen(nullptr);
  const int bits = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
  return bits <= 8 ? ScreenColours::palette : ScreenColours::full;
}

const ScreenColours screenAtStart = ReadScreenColours();

// A LOGPALETTE with room for every entry (the system's declares one).
struct FullLogPalette {
  WORD version;
  WORD count;
  PALETTEENTRY entries[256];
};

// Selects and realises a palette for the lifetime of this object; does
// nothing without one.
class PaletteScope {
 public:
  PaletteScope(HDC dc, HPALETTE palette)
      : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
    if (old_) RealizePalette(dc);
  }
  PaletteScope(const PaletteScope&) = delete;
  PaletteScope& operator=(const PaletteScope&) = delete;
  ~PaletteScope() {
    if (old_) SelectPalette(dc_, old_, TRUE);
  }

 private:
  HDC dc_;
  HPALETTE old_;
};

class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

JpegPicture* PictureOf(HWND image) {
  return reinterpret_cast<JpegPicture*>(GetWindowLongPtrA(image, GWLP_USERDATA));
}

// Takes the picture back from the control, for deleting or replacing.
std::unique_ptr<JpegPicture> SwapPicture(HWND image, JpegPicture* picture) {
  return std::unique_ptr<JpegPicture>(reinterpret_cast<JpegPicture*>(
      SetWindowLongPtrA(image, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture))));
}

void Paint(HWND image) {
  const PaintScope paint(image);
  if (JpegPicture* picture = PictureOf(image)) {
    RECT box;
    GetClientRect(image, &box);
    picture->Draw(paint.Get(), box);
  }
}

LRESULT CALLBACK ImageProcedure(HWND image, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      // The control is called by user32 directly: no exception may leave.
      try {
        Paint(image);
      } catch (...) {
        ReportCurrentException();
      }
      return 0;
    case WM_ERASEBKGND:
      if (PictureOf(image)) return 1;  // the picture covers every pixel
      break;
    case WM_NCDESTROY:
      SwapPicture(image, nullptr);  // deletes the picture
      break;
  }
  return DefWindowProcA(image, message, wParam, lParam);
}

}  // namespace

ScreenColours ScreenColoursAtStart() {
  return screenAtStart;
}

JpegPicture::JpegPicture(std::span<const std::uint8_t> data, ScreenColours screen)
    : data_(data), screen_(screen) {}

void JpegPicture::Draw(HDC dc, const RECT& box) {
  if (!decodeTried_) {
    decodeTried_ = true;
    Decode();
  }
  if (bits_.empty()) return;
  const PaletteScope palette(dc, palette_.Get());
  StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0,
                info_.header.biWidth, -info_.header.biHeight, bits_.data(),
                reinterpret_cast<const BITMAPINFO*>(&info_), DIB_RGB_COLORS, SRCCOPY);
}

void JpegPicture::Decode() {
  const DecodedJpeg image = decode_jpeg(data_, screen_);
  const bool indexed = !image.palette.empty();
  const auto width = static_cast<std::size_t>(image.width);
  const auto height = static_cast<std::size_t>(image.height);
  const std::size_t pixelBytes = indexed ? 1 : 3;
  const std::size_t stride = (width * pixelBytes + 3) & ~std::size_t{3};

  std::vector<std::uint8_t> bits(stride * height);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* from = image.pixels.data() + y * width * pixelBytes;
    std::uint8_t* to = bits.data() + y * stride;
    for (std::size_t x = 0; x < width; ++x, from += pixelBytes, to += pixelBytes) {
      if (indexed) {
        to[0] = from[0];
      } else {  // DIBs keep blue first
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
      }
    }
  }

  Info info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = image.width;
  info.header.biHeight = -image.height;  // top-down, as decoded
  info.header.biPlanes = 1;
  info.header.biBitCount = indexed ? 8 : 24;
  info.header.biCompression = BI_RGB;
  UniquePalette palette;
  if (indexed) {
    FullLogPalette logical{0x300, static_cast<WORD>(image.palette.size()), {}};
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
      const Rgb c = image.palette[i];
      info.colours[i] = {c.b, c.g, c.r, 0};
      logical.entries[i] = {c.r, c.g, c.b, 0};
    }
    info.header.biClrUsed = logical.count;
    palette.Reset(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical)));
    if (!palette) throw std::runtime_error("CreatePalette failed");
  }
  info_ = info;
  bits_ = std::move(bits);
  palette_ = std::move(palette);
}

const char* RegisterImageClass() {
  // The face colour shows until there is a picture.
  RegisterWindowClass({kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr},
                      ImageProcedure);
  return kClassName;
}

void LoadImageJpeg(HWND image, std::span<const std::uint8_t> data) {
  if (!image) throw std::invalid_argument("no image control");
  auto picture = std::make_unique<JpegPicture>(data, ScreenColoursAtStart());
  SwapPicture(image, picture.release());  // the old picture, if any, goes
  InvalidateRect(image, nullptr, TRUE);
}

}  // namespace pavonet::ui
