// Compiled to Shift-JIS: captions reach the controls byte for byte.
#include "resources/about_box.h"

#include "emblem_jpeg.h"  // made by resources/CMakeLists.txt

namespace pavonet::resources {

namespace {

using ui::ControlKind;

constexpr int kModalResultOk = 1;

// In tab order, each panel before what it holds; only the button takes the
// focus. Labels of width 0 are as wide as their text.
constexpr ui::ControlLayout kControls[] = {
    // kind, id, left, top, width, height, caption, tab stop, parent, default, modal result, picture
    {ControlKind::Panel, kPanel1, 8, 8, 281, 137, nullptr, false},
    {ControlKind::Button, kOKButton, 192, 100, 66, 25, "閉じる", true, kPanel1, true,
     kModalResultOk},
    {ControlKind::Image, kProgramIcon, 192, 16, 64, 64, nullptr, false, kPanel1, false, 0,
     kEmblemBytes},
    {ControlKind::Label, kProductName, 16, 16, 0, 12, "アプリケーション名：Pavonet", false,
     kPanel1},
    {ControlKind::Label, kVersion, 16, 40, 0, 12, "バージョン番号：1.21", false, kPanel1},
    {ControlKind::Label, kCopyright, 16, 64, 0, 12, "作者：Pavonet Project", false, kPanel1},
    {ControlKind::Label, kComments, 16, 88, 0, 12, "開発開始日：2004.5.27", false, kPanel1},
    {ControlKind::Label, kLabel1, 16, 112, 0, 12, "公開日：2004.12.8", false, kPanel1},
};

}  // namespace

const ui::FormLayout kAboutBoxLayout = {
    "TAboutBox", "バージョン情報",
    0,           0,
    298,         152,
    true,        {"ＭＳ Ｐゴシック", -12, 128 /* SHIFTJIS_CHARSET */},
    kControls,   {},
};

const std::span<const std::uint8_t> kEmblemJpeg = kEmblemBytes;

}  // namespace pavonet::resources
