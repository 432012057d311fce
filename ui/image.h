// The picture control: a JPEG shown stretched over the control's whole area.
// The picture is decoded the first time it is painted, and later paints draw
// the decoded pixels again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "ui/handles.h"
#include "ui/jpeg_decoder.h"

namespace pavonet::ui {

// What the screen could show when the program started. Read once, before
// WinMain: pictures keep that choice even if the display changes later.
ScreenColours ScreenColoursAtStart();

// A JPEG that decodes itself on its first Draw.
class JpegPicture {
 public:
  // `data` is not copied: it must outlive the picture (the program's own
  // resources do). A palette screen gets at most 236 colours.
  JpegPicture(std::span<const std::uint8_t> data, ScreenColours screen);
  JpegPicture(const JpegPicture&) = delete;
  JpegPicture& operator=(const JpegPicture&) = delete;

  // Draws the picture stretched over `box`, decoding it first on the first
  // call; a quantised picture is drawn through its own palette, realised in
  // `dc`. Throws what the decoder throws, on that first call only: a picture
  // that could not be decoded draws nothing afterwards.
  void Draw(HDC dc, const RECT& box);

 private:
  void Decode();

  struct Info {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  };

  std::span<const std::uint8_t> data_;
  ScreenColours screen_;
  bool decodeTried_ = false;
  Info info_{};
  std::vector<std::uint8_t> bits_;  // DIB rows, top-down, each padded to 4 bytes
  UniquePalette palette_;           // only for a quantised picture
};

// Registers the picture control's window class on first use; returns its name.
const char* RegisterImageClass();

// Gives `image`, a control of that class, the JPEG to show (see JpegPicture
// for how long `data` must live). The control owns the picture from now on.
void LoadImageJpeg(HWND image, std::span<const std::uint8_t> data);

}  // namespace pavonet::ui
