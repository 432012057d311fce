// The About window under Wine: its layout, the emblem and the panel as they
// reach the screen, every way of closing it (and those that must not), and
// its openings from the main window's menu.
#include "ui/unit2.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "modal_script.h"
#include "resources/about_box.h"
#include "resources/main_form.h"
#include "support/sjis.h"
#include "ui/application.h"
#include "ui/image.h"
#include "ui/jpeg_decoder.h"
#include "ui/unit1.h"
#include "ui/window_enumeration.h"
#include "ui_test_support.h"

namespace pavonet {
namespace {

using testing::ModalScript;
using testing::Sjis;
namespace id = resources;

HWND Find(HWND window, int controlId) {
  HWND found = nullptr;
  ui::ForEachChildWindow(window, [&](HWND child) {
    if (GetDlgCtrlID(child) == controlId) found = child;
    return !found;
  });
  return found;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A control's place in the client area of its top-level window.
RECT PlaceInClient(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectRect(const RECT& actual, const RECT& expected) {
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.right, expected.right);
  EXPECT_EQ(actual.bottom, expected.bottom);
}

// Pixels read back from a DC into a 32-bit DIB.
class Pixels {
 public:
  Pixels(HDC source, int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC memory = CreateCompatibleDC(source);
    const HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i)
      colours_.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
  }
  COLORREF At(int x, int y) const { return colours_.at(static_cast<std::size_t>(y * width_ + x)); }

 private:
  int width_;
  std::vector<COLORREF> colours_;
};

// What a window's client area shows now, after every pending paint.
Pixels ReadClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client;
  GetClientRect(window, &client);
  const HDC dc = GetDC(window);
  Pixels pixels(dc, client.right, client.bottom);
  ReleaseDC(window, dc);
  return pixels;
}

// The emblem as the decoder makes it, one colour per pixel.
std::vector<COLORREF> DecodedEmblem(ScreenColours screen) {
  const DecodedJpeg image = decode_jpeg(resources::kEmblemJpeg, screen);
  std::vector<COLORREF> colours;
  if (image.palette.empty()) {
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3)
      colours.push_back(RGB(image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]));
  } else {
    for (const std::uint8_t index : image.pixels) {
      const Rgb c = image.palette.at(index);
      colours.push_back(RGB(c.r, c.g, c.b));
    }
  }
  return colours;
}

// Counts the 64 x 64 pixels at (left, top) that differ from the decoder's.
int DifferingPixels(const Pixels& pixels, int left, int top, const std::vector<COLORREF>& decoded) {
  int differing = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (pixels.At(left + x, top + y) != decoded.at(static_cast<std::size_t>(y * 64 + x)))
        ++differing;
  return differing;
}

// Runs `then` once the thread's queue has run dry: after every message
// posted before it has been handled. It does not run if Cancel comes first.
class WhenIdle {
 public:
  explicit WhenIdle(std::function<void()> then) {
    pending_ = std::move(then);
    timer_ = SetTimer(nullptr, 0, 50, &WhenIdle::Fire);
  }
  WhenIdle(const WhenIdle&) = delete;
  WhenIdle& operator=(const WhenIdle&) = delete;
  ~WhenIdle() {
    KillTimer(nullptr, timer_);
    pending_ = nullptr;
  }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (auto then = std::exchange(pending_, nullptr)) then();
  }

  static inline std::function<void()> pending_;
  UINT_PTR timer_;
};

// Holds a key down in this thread's keyboard state (what GetKeyState reads)
// for the lifetime of this object.
class HeldKey {
 public:
  explicit HeldKey(BYTE key) : key_(key) {
    if (!key_) return;
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[key_] = 0x80;
    SetKeyboardState(state);
  }
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;
  ~HeldKey() {
    if (key_) SetKeyboardState(saved_);
  }

 private:
  BYTE key_;
  BYTE saved_[256] = {};
};

// Posts a key to the OK button, which holds the focus, as the keyboard would.
void PostKey(HWND modal, UINT key, bool alt) {
  const HWND button = Find(modal, id::kOKButton);
  const LPARAM lParam =
      1 | (static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16) | (alt ? KF_ALTDOWN << 16 : 0);
  PostMessageA(button, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, lParam);
  PostMessageA(button, alt ? WM_SYSKEYUP : WM_KEYUP, key, lParam | (3u << 30));
}

ModalScript::Action Key(UINT key, bool alt = false) {
  return [key, alt](HWND modal) { PostKey(modal, key, alt); };
}

// Where the focus is while `window` is active. Another process on the same
// desktop (ctest runs two at once) may have taken the activation since the
// window opened, and an inactive window shows no focus; activating it again
// within this thread brings back the focus it had.
HWND FocusWhenActive(HWND window) {
  if (GetActiveWindow() != window) SetActiveWindow(window);
  return GetFocus();
}

ModalScript::Action ClickOk() {
  return [](HWND modal) { PostMessageA(Find(modal, id::kOKButton), BM_CLICK, 0, 0); };
}

// ---------------------------------------------------------------------------
// The window as built

class AboutBoxTest : public ::testing::Test {
 protected:
  ui::TAboutBox box{nullptr};
  HWND window = box.Handle();
};

TEST_F(AboutBoxTest, IsAFixedDialogFrameWithOnlyACloseBoxAndNoIcon) {
  EXPECT_EQ(ClassOf(window), "TAboutBox");
  EXPECT_EQ(testing::TextOf(window), Sjis("バージョン情報"));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 298);
  EXPECT_EQ(client.bottom, 152);

  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(exStyle & WS_EX_CONTEXTHELP);
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), 0);
  EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_SMALL2, 0), 0);
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_F(AboutBoxTest, PanelEmblemAndButtonStandWhereDesigned) {
  struct Designed {
    int id;
    const char* className;
    HWND parent;
    RECT inParent;
    RECT inClient;
    const char* caption;  // UTF-8
  };
  const HWND panel = Find(window, id::kPanel1);
  const Designed designed[] = {
      {id::kPanel1, "TPanel", window, {8, 8, 289, 145}, {8, 8, 289, 145}, ""},
      {id::kProgramIcon, "TImage", panel, {192, 16, 256, 80}, {200, 24, 264, 88}, ""},
      {id::kOKButton, "Button", panel, {192, 100, 258, 125}, {200, 108, 266, 133}, "閉じる"},
  };
  for (const Designed& d : designed) {
    SCOPED_TRACE(d.id);
    const HWND control = Find(window, d.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(ClassOf(control), d.className);
    EXPECT_EQ(GetParent(control), d.parent);
    ExpectRect(testing::PlaceInParent(control), d.inParent);
    ExpectRect(PlaceInClient(control), d.inClient);
    EXPECT_EQ(testing::TextOf(control), Sjis(d.caption));
  }

  const HWND ok = Find(window, id::kOKButton);
  EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(SendMessageA(window, DM_GETDEFID, 0, 0), MAKELRESULT(id::kOKButton, DC_HASDEFID));
  EXPECT_EQ(GetNextDlgTabItem(window, nullptr, FALSE), ok) << "the only control with the focus";
  EXPECT_EQ(GetNextDlgTabItem(window, ok, FALSE), ok);
}

TEST_F(AboutBoxTest, LabelsShowTheirTextsOnOneLineEachExactlyAsWide) {
  struct Label {
    int id;
    int top;
    const char* text;  // UTF-8
  };
  const Label labels[] = {
      {id::kProductName, 16, "アプリケーション名：Pavonet"},
      {id::kVersion, 40, "バージョン番号：1.21"},
      {id::kCopyright, 64, "作者：Pavonet Project"},
      {id::kComments, 88, "開発開始日：2004.5.27"},
      {id::kLabel1, 112, "公開日：2004.12.8"},
  };
  const HWND panel = Find(window, id::kPanel1);
  const HDC dc = GetDC(nullptr);
  for (const Label& label : labels) {
    SCOPED_TRACE(label.text);
    const HWND control = Find(window, label.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(ClassOf(control), "Static");
    EXPECT_EQ(GetParent(control), panel);
    const std::string text = Sjis(label.text);
    EXPECT_EQ(testing::TextOf(control), text);

    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA logical{};
    ASSERT_TRUE(GetObjectA(font, sizeof logical, &logical));
    EXPECT_EQ(std::string(logical.lfFaceName), Sjis("ＭＳ Ｐゴシック"));
    EXPECT_EQ(logical.lfHeight, -12);
    EXPECT_EQ(logical.lfCharSet, SHIFTJIS_CHARSET);

    const HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ExpectRect(testing::PlaceInParent(control), {16, label.top, 16 + extent.cx, label.top + 12});
  }
  ReleaseDC(nullptr, dc);
}

// ---------------------------------------------------------------------------
// What reaches the screen

TEST_F(AboutBoxTest, EmblemIsDrawnPixelForPixelAsDecoded) {
  ASSERT_EQ(ui::ScreenColoursAtStart(), ScreenColours::full) << "Xvfb runs at 24 bits";
  ShowWindow(window, SW_SHOWNOACTIVATE);
  const Pixels shown = ReadClient(window);
  EXPECT_EQ(DifferingPixels(shown, 200, 24, DecodedEmblem(ScreenColours::full)), 0);

  // Nothing of it spills over: the panel's face borders it on every side.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (const POINT p : {POINT{199, 24}, POINT{264, 87}, POINT{200, 23}, POINT{263, 88}})
    EXPECT_EQ(shown.At(p.x, p.y), face) << p.x << "," << p.y;
}

TEST_F(AboutBoxTest, PanelIsALoweredThenARaisedBevelOverTheFace) {
  ShowWindow(window, SW_SHOWNOACTIVATE);
  const Pixels shown = ReadClient(window);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(shadow, light);
  ASSERT_NE(light, face);
  struct Pixel {
    int x, y;
    COLORREF colour;
  };
  // The panel covers 8..288 x 8..144 of the client area.
  const Pixel pixels[] = {
      {7, 7, face},       {8, 8, shadow},    {150, 8, shadow}, {8, 80, shadow},
      {288, 8, light},    {288, 80, light},  {8, 144, light},  {150, 144, light},
      {288, 144, light},  {9, 9, light},     {150, 9, light},  {9, 80, light},
      {287, 9, shadow},   {287, 80, shadow}, {9, 143, shadow}, {150, 143, shadow},
      {287, 143, shadow}, {10, 10, face},    {286, 142, face}, {289, 145, face},
  };
  for (const Pixel& p : pixels)
    EXPECT_EQ(shown.At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

class JpegPictureTest : public ::testing::TestWithParam<ScreenColours> {};

// The palette screen cannot be had under Xvfb: draw into memory instead.
TEST_P(JpegPictureTest, DrawsEveryPixelAsDecodedForEachKindOfScreen) {
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP target = CreateCompatibleBitmap(screen, 70, 70);
  const HGDIOBJ old = SelectObject(memory, target);
  PatBlt(memory, 0, 0, 70, 70, BLACKNESS);

  ui::JpegPicture picture(resources::kEmblemJpeg, GetParam());
  picture.Draw(memory, {3, 5, 67, 69});
  const Pixels drawn(memory, 70, 70);
  EXPECT_EQ(DifferingPixels(drawn, 3, 5, DecodedEmblem(GetParam())), 0);
  EXPECT_EQ(drawn.At(2, 5), RGB(0, 0, 0));
  EXPECT_EQ(drawn.At(67, 68), RGB(0, 0, 0));

  SelectObject(memory, old);
  DeleteObject(target);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

INSTANTIATE_TEST_SUITE_P(Screens, JpegPictureTest,
                         ::testing::Values(ScreenColours::full, ScreenColours::palette),
                         [](const auto& test) {
                           return test.param == ScreenColours::full ? "FullColour" : "Palette";
                         });

// ---------------------------------------------------------------------------
// Closing

struct Way {
  const char* name;
  BYTE heldKey;  // held down while the action's keys arrive, 0 for none
  ModalScript::Action action;
  bool closes;
  int result;  // when it closes
};

void PrintTo(const Way& way, std::ostream* os) {
  *os << way.name;
}

class AboutBoxClosingTest : public ::testing::TestWithParam<Way> {};

TEST_P(AboutBoxClosingTest, ClosesWithItsResultOrStaysOpen) {
  const Way& way = GetParam();
  ui::TAboutBox box(nullptr);
  const HeldKey held(way.heldKey);
  bool openAfterward = false;
  std::unique_ptr<WhenIdle> later;
  ModalScript script;
  script.Then([&](HWND modal) {
    // EXPECT, not ASSERT: the window must be closed whatever happens here.
    EXPECT_EQ(FocusWhenActive(modal), Find(modal, id::kOKButton));
    if (way.heldKey) {
      EXPECT_LT(GetKeyState(way.heldKey), 0) << "the key is not held";
    }
    way.action(modal);
    // Still open once the keys have been handled? Then close it as a user
    // would, by its close box.
    later = std::make_unique<WhenIdle>([&openAfterward, modal] {
      openAfterward = IsWindowVisible(modal) != FALSE;
      PostMessageA(modal, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
  });
  const int result = box.ShowModal();
  later.reset();

  ASSERT_EQ(script.Seen().size(), 1u);
  EXPECT_EQ(openAfterward, !way.closes);
  if (way.closes) {
    EXPECT_EQ(result, way.result);
  }
  EXPECT_FALSE(IsWindowVisible(box.Handle())) << "hidden once ShowModal returns";
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosingTest,
                         ::testing::Values(Way{"ClickOk", 0, ClickOk(), true, 1},
                                           Way{"SpaceOnOk", 0, Key(VK_SPACE), true, 1},
                                           Way{"Enter", 0, Key(VK_RETURN), true, 1},
                                           Way{"CloseBox", 0, testing::CloseBox(), true, 2},
                                           Way{"AltF4", VK_MENU, Key(VK_F4, true), true, 2},
                                           Way{"Escape", 0, Key(VK_ESCAPE), false, 0},
                                           Way{"ShiftEnter", VK_SHIFT, Key(VK_RETURN), false, 0},
                                           Way{"CtrlEnter", VK_CONTROL, Key(VK_RETURN), false, 0},
                                           Way{"AltEnter", VK_MENU, Key(VK_RETURN, true), false,
                                               0}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------
// Opening from the main window

class AboutFromMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().SetTitle("Pavonet");
    main = ui::Application::Instance().CreateForm<ui::TForm1>().Handle();
    ShowWindow(main, SW_SHOWNORMAL);
    testing::PumpMessages();
  }
  void TearDown() override { ui::Application::Instance().Reset(); }

  void ChooseAbout() { SendMessageA(main, WM_COMMAND, MAKEWPARAM(id::kPavonet1, 0), 0); }

  HWND main = nullptr;
};

TEST_F(AboutFromMenuTest, EachOpeningIsANewCentredWindowWithTheFocusOnTheButton) {
  ModalScript script(main);
  for (int opening = 0; opening < 3; ++opening) {
    SCOPED_TRACE(opening);
    HWND about = nullptr;
    HWND owner = nullptr;
    bool focusOnButton = false;
    script.Then([&](HWND modal) {
      about = modal;
      owner = GetWindow(modal, GW_OWNER);
      focusOnButton = FocusWhenActive(modal) == Find(modal, id::kOKButton);
      ClickOk()(modal);
    });
    ChooseAbout();

    ASSERT_EQ(script.Seen().size(), static_cast<std::size_t>(opening + 1));
    const testing::SeenWindow& seen = script.Seen().back();
    EXPECT_EQ(seen.className, "TAboutBox");
    EXPECT_EQ(owner, main);
    EXPECT_FALSE(seen.ownerEnabled) << "the main window takes no input meanwhile";
    EXPECT_TRUE(focusOnButton);
    EXPECT_NEAR((seen.window.left + seen.window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((seen.window.top + seen.window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_FALSE(IsWindow(about)) << "destroyed once closed";
    EXPECT_TRUE(IsWindowEnabled(main));
  }
}

TEST_F(AboutFromMenuTest, FiftyOpeningsLeaveAsManyGdiAndUserObjectsAsOne) {
  // The counts must see a leak: one more font, one more window.
  const DWORD gdiBefore = testing::GdiObjects();
  const HFONT font = CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  EXPECT_EQ(testing::GdiObjects(), gdiBefore + 1);
  DeleteObject(font);
  const DWORD userBefore = testing::UserObjects();
  const HWND extra =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(testing::UserObjects(), userBefore + 1);
  DestroyWindow(extra);

  ModalScript script(main);
  script.Then(ClickOk());
  ChooseAbout();
  testing::PumpMessages();
  const DWORD gdiAfterOne = testing::GdiObjects();
  const DWORD userAfterOne = testing::UserObjects();

  for (int i = 1; i < 50; ++i) {
    script.Then(ClickOk());
    ChooseAbout();
  }
  testing::PumpMessages();
  ASSERT_EQ(script.Seen().size(), 50u);
  EXPECT_EQ(testing::GdiObjects(), gdiAfterOne);
  EXPECT_EQ(testing::UserObjects(), userAfterOne);
}

}  // namespace
}  // namespace pavonet
