// Window layouts as plain data: pixels at 96 dpi, scaled when a window is
// built on a system whose dpi differs. The tables live in resources/.
#pragma once

#include <cstdint>
#include <span>

namespace pavonet::ui {

enum class ControlKind { Label, ListBox, Button, Panel, Image };

struct ControlLayout {
  ControlKind kind;
  int id;  // also the command a button sends
  int left, top;
  int width;  // 0: as wide as the caption in the window's font (labels)
  int height;
  const char* caption;  // nullptr for none
  bool tabStop;
  int parentId = 0;        // 0: the window; else the id of a panel it sits in
  bool isDefault = false;  // a button drawn and pressed as the default one
  int modalResult = 0;     // a button that ends ShowModal with this result
  // An image's JPEG; the bytes stay with the program for as long as it runs.
  std::span<const std::uint8_t> picture{};
};

struct MenuItemLayout {
  int id;
  const char* caption;
};

struct FontLayout {
  const char* face;
  int height;  // negative: character height in pixels
  int charset;
};

struct FormLayout {
  const char* className;
  const char* caption;
  // Outer place and size, or the client size when `clientSize` is set
  // (such windows are centred on the screen).
  int left, top, width, height;
  bool clientSize;
  FontLayout font;
  std::span<const ControlLayout> controls;  // in tab order
  std::span<const MenuItemLayout> menu;     // items on the menu bar
};

}  // namespace pavonet::ui
