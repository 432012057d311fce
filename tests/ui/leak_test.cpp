// Every window opened and closed a hundred times, and a thousand manifests
// written, leave the process with the GDI objects, windows and kernel
// handles it had before.
#include <gtest/gtest.h>

#include "modal_script.h"
#include "resources/about_box.h"
#include "resources/main_form.h"
#include "support/sjis.h"
#include "support/temp_folder.h"
#include "ui/application.h"
#include "ui/message_window.h"
#include "ui/unit1.h"
#include "ui_test_support.h"

namespace pavonet {
namespace {

using testing::ModalScript;

struct Counts {
  DWORD gdi = testing::GdiObjects();
  DWORD user = testing::UserObjects();
  DWORD handles = testing::KernelHandles();
};

ModalScript::Action CloseAbout() {
  return [](HWND about) {
    PostMessageA(GetDlgItem(GetDlgItem(about, resources::kPanel1), resources::kOKButton), BM_CLICK,
                 0, 0);
  };
}

ModalScript::Action CancelDialog() {
  return [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };
}

class LeakTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().SetTitle("Pavonet");
    form = &ui::Application::Instance().CreateForm<ui::TForm1>();
    ShowWindow(form->Handle(), SW_SHOWNORMAL);
    testing::PumpMessages();
  }
  void TearDown() override { ui::Application::Instance().Reset(); }

  // Opens each window once and closes it again.
  void OpenEveryWindow(ModalScript& script) {
    script.Then(testing::PressKey(VK_RETURN));
    SendMessageA(form->Control(resources::kButton4), BM_CLICK, 0, 0);  // a notice
    script.Then(testing::PressKey(VK_ESCAPE));
    ui::AskYesNo(form->Handle(), "?");
    script.Then(CancelDialog());
    SendMessageA(form->Control(resources::kButton3), BM_CLICK, 0, 0);  // the open dialog
    script.Then(CloseAbout());
    SendMessageA(form->Handle(), WM_COMMAND, resources::kPavonet1, 0);
    testing::PumpMessages();
  }

  ui::TForm1* form = nullptr;
};

TEST_F(LeakTest, CountsSeeOneMoreObjectOfEachKind) {
  const Counts before;
  const HFONT font = CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  const HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  const Counts with;
  EXPECT_EQ(with.gdi, before.gdi + 1);
  EXPECT_EQ(with.user, before.user + 1);
  EXPECT_EQ(with.handles, before.handles + 1);
  CloseHandle(event);
  DestroyWindow(window);
  DeleteObject(font);
}

TEST_F(LeakTest, WindowsAndManifestsGiveBackWhatTheyTake) {
  testing::TempFolder folder;
  std::vector<std::string> entries;
  for (int i = 0; i < 1000; ++i)
    entries.push_back(folder / ("p" + std::to_string(i) + ".exe"));
  SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::MakeDrop(entries)),
               0);
  ModalScript script(form->Handle());
  // First uses load libraries and fill caches for good; so does the first
  // beep (the sound settings).
  OpenEveryWindow(script);
  MessageBeep(MB_ICONASTERISK);
  const Counts before;

  for (int i = 0; i < 100; ++i)
    OpenEveryWindow(script);
  script.Then(testing::PressKey(VK_RETURN));
  SendMessageA(form->Control(resources::kButton5), BM_CLICK, 0, 0);  // 1,000 manifests
  testing::PumpMessages();

  ASSERT_EQ(script.Seen().size(), 4u * 101 + 1);
  EXPECT_EQ(script.Seen().back().texts,
            std::vector<std::string>{testing::Sjis("Tebboさん「できたぜ！」")});
  EXPECT_TRUE(testing::Exists(folder / "p999.exe.manifest"));
  const Counts after;
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  EXPECT_EQ(after.handles, before.handles);
}

}  // namespace
}  // namespace pavonet
