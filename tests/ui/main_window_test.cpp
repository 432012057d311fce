// The main window under Wine: its layout, drops, the open dialog, the
// commands on a real disk and the failure report.
#include "ui/unit1.h"

#include <gtest/gtest.h>

#include "manifest/errors.h"
#include "manifest/manifest_document.h"
#include "modal_script.h"
#include "resources/main_form.h"
#include "support/sjis.h"
#include "support/temp_folder.h"
#include "ui/application.h"
#include "ui_test_support.h"

namespace pavonet {
namespace {

using testing::ModalScript;
using testing::Sjis;
using Rows = std::vector<std::string>;
namespace id = resources;

const std::string kRejected = Sjis("Tebboさん「実行ファイルを選択してくれ。」");
const std::string kDone = Sjis("Tebboさん「できたぜ！」");

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().SetTitle("Pavonet");
    form = &ui::Application::Instance().CreateForm<ui::TForm1>();
    window = form->Handle();
    list = form->Control(id::kListBox1);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    testing::PumpMessages();
  }
  void TearDown() override { ui::Application::Instance().Reset(); }

  void Drop(const std::vector<std::string>& names) {
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(testing::MakeDrop(names)), 0);
  }
  void Click(int control) { SendMessageA(form->Control(control), BM_CLICK, 0, 0); }
  void Select(int row) { SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }
  Rows List() const { return testing::ListRows(list); }
  LRESULT Extent() const { return SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0); }
  int ListClientWidth() const {
    RECT r;
    GetClientRect(list, &r);
    return r.right;
  }

  ui::TForm1* form = nullptr;
  HWND window = nullptr;
  HWND list = nullptr;
};

struct Place {
  int id;
  const char* className;
  RECT place;
  const char* caption;
};

TEST_F(MainWindowTest, WindowAndControlsStandWhereDesignedAt96Dpi) {
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 244);
  EXPECT_EQ(frame.top, 117);
  EXPECT_EQ(frame.right - frame.left, 210);
  EXPECT_EQ(frame.bottom - frame.top, 279);
  EXPECT_EQ(testing::TextOf(window), "Pavonet");

  const Place places[] = {
      {id::kLabel2, "Static", {16, 13, 70, 25}, "プログラム"},
      {id::kListBox1, "ListBox", {8, 32, 193, 153}, ""},
      {id::kButton1, "Button", {56, 160, 121, 185}, "実行"},
      {id::kButton2, "Button", {128, 192, 193, 217}, "終了"},
      {id::kButton3, "Button", {144, 13, 193, 30}, "開く"},
      {id::kButton4, "Button", {128, 160, 193, 185}, "全体表示"},
      {id::kButton5, "Button", {56, 192, 123, 217}, "全て実行"},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.id);
    const HWND control = form->Control(p.id);
    ASSERT_TRUE(control);
    char cls[32];
    GetClassNameA(control, cls, sizeof cls);
    EXPECT_STREQ(cls, p.className);
    const RECT r = testing::PlaceInParent(control);
    EXPECT_EQ(r.left, p.place.left);
    EXPECT_EQ(r.top, p.place.top);
    EXPECT_EQ(r.right, p.place.right);
    EXPECT_EQ(r.bottom, p.place.bottom);
    EXPECT_EQ(testing::TextOf(control), Sjis(p.caption));
  }
}

TEST_F(MainWindowTest, ListIsAPlainUnsortedListWithScrollBarsOnlyWhenNeeded) {
  const auto bars = [&] { return GetWindowLongA(list, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
  EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(bars(), 0);

  Drop({"C:\\b.exe", "C:\\a.exe"});
  EXPECT_EQ(bars(), WS_HSCROLL) << "the range is wider than the list from the first admission";
  EXPECT_EQ(List(), (Rows{"C:\\b.exe", "C:\\a.exe"})) << "not sorted";

  Drop(std::vector<std::string>(20, "C:\\c.exe"));
  EXPECT_EQ(bars(), WS_HSCROLL | WS_VSCROLL);
}

TEST_F(MainWindowTest, MenuBarHoldsExitAndAbout) {
  const HMENU menu = GetMenu(window);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  char text[64];
  GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(std::string(text), Sjis("終了"));
  EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(id::kExit1));
  GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(std::string(text), Sjis("&Pavonetについて")) << "P as its automatic access key";
  EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(id::kPavonet1));
}

TEST_F(MainWindowTest, FocusStartsOnTheListAndTabRunsThroughTheButtonsInOrder) {
  EXPECT_EQ(GetFocus(), list);
  const int order[] = {id::kButton1, id::kButton2, id::kButton3,
                       id::kButton4, id::kButton5, id::kListBox1};
  HWND at = list;
  for (const int next : order) {
    at = GetNextDlgTabItem(window, at, FALSE);
    EXPECT_EQ(GetDlgCtrlID(at), next);
  }
}

TEST_F(MainWindowTest, WindowMenuHasNoSizeButTheWindowStillMaximizes) {
  const HMENU system = GetSystemMenu(window, FALSE);
  EXPECT_EQ(GetMenuState(system, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  for (const UINT kept : {SC_RESTORE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
    EXPECT_NE(GetMenuState(system, kept, MF_BYCOMMAND), static_cast<UINT>(-1)) << kept;

  const RECT before = testing::PlaceInParent(form->Control(id::kButton2));
  ShowWindow(window, SW_MAXIMIZE);
  testing::PumpMessages();
  EXPECT_TRUE(IsZoomed(window));
  const RECT after = testing::PlaceInParent(form->Control(id::kButton2));
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST_F(MainWindowTest, DropAdmitsInShellOrderWithEachRejectionShownInBetween) {
  ModalScript script(window);
  Rows listWhenRejected;
  script.Then([&](HWND notice) {
    listWhenRejected = List();
    testing::ClickButton("OK")(notice);
  });
  Drop({"C:\\Tools\\app.exe", "C:\\Tools\\notes.txt", "C:\\Tools\\tool.exe"});

  EXPECT_EQ(List(), (Rows{"C:\\Tools\\app.exe", "C:\\Tools\\tool.exe"}));
  EXPECT_EQ(listWhenRejected, Rows{"C:\\Tools\\app.exe"});
  ASSERT_EQ(script.Seen().size(), 1u);
  EXPECT_EQ(script.Seen()[0].texts, Rows{kRejected});
  EXPECT_FALSE(script.Seen()[0].ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR) << "admission selects nothing";
}

TEST_F(MainWindowTest, HorizontalRangeIsZeroUntilTheFirstAdmissionThenTwiceTheListWidth) {
  EXPECT_EQ(Extent(), 0);
  ModalScript script(window);
  script.Then(testing::PressKey(VK_RETURN));
  Drop({"C:\\readme.txt"});
  EXPECT_EQ(Extent(), 0);
  Drop({"C:\\app.exe"});
  EXPECT_EQ(Extent(), ListClientWidth() * 2);

  // Once the vertical bar shows, the width (and so the range) is narrower.
  const int widthBefore = ListClientWidth();
  std::vector<std::string> many(20, "C:\\more.exe");
  Drop(many);
  EXPECT_LT(ListClientWidth(), widthBefore);
  EXPECT_EQ(Extent(), ListClientWidth() * 2);
}

TEST_F(MainWindowTest, ShiftJisNamesAndLongNamesArriveWhole) {
  const std::string shiftJis = Sjis("C:\\表\\ソフト.exe");
  const std::string longName = "C:\\" + std::string(1500, 'x') + ".exe";
  Drop({shiftJis, longName});
  EXPECT_EQ(List(), (Rows{shiftJis, longName}));
}

// The open dialog: types a name into its file-name box and presses Open.
ModalScript::Action ChooseFile(const std::string& name) {
  return [name](HWND dialog) {
    // cmb13 is the explorer dialog's file-name box; edt1 the older one's.
    if (!SetDlgItemTextA(dialog, 0x47C, name.c_str())) SetDlgItemTextA(dialog, 0x480, name.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  };
}

ModalScript::Action Cancel() {
  return [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };
}

ModalScript::Action OpenAsItStands() {
  return [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); };
}

TEST_F(MainWindowTest, OpenDialogAddsTheChosenPathAndRemembersIt) {
  testing::TempFolder folder;
  const std::string chosen = folder / "app.exe";
  testing::WriteWholeFile(chosen, "");

  ModalScript script(window);
  script.Then(Cancel());
  Click(id::kButton3);
  EXPECT_TRUE(List().empty());
  ASSERT_EQ(script.Seen().size(), 1u) << "cancel shows nothing more";
  EXPECT_EQ(script.Seen()[0].className, "#32770");
  EXPECT_FALSE(script.Seen()[0].ownerEnabled);

  script.Then(ChooseFile(chosen));
  Click(id::kButton3);
  EXPECT_EQ(List(), Rows{chosen});
  EXPECT_EQ(Extent(), ListClientWidth() * 2);

  script.Then(OpenAsItStands());
  Click(id::kButton3);
  EXPECT_EQ(List(), (Rows{chosen, chosen})) << "the next opening starts from the last name";
}

TEST_F(MainWindowTest, OpenDialogNameWithUpperCaseExtensionIsRejected) {
  testing::TempFolder folder;
  const std::string setup = folder / "SETUP.EXE";
  testing::WriteWholeFile(setup, "");
  ModalScript script(window);
  script.Then(ChooseFile(setup)).Then(testing::PressKey(VK_RETURN));
  Click(id::kButton3);
  EXPECT_TRUE(List().empty());
  ASSERT_EQ(script.Seen().size(), 2u);
  EXPECT_EQ(script.Seen()[1].texts, Rows{kRejected});
  EXPECT_EQ(form->OpenDialog1.FileName(), setup) << "kept although rejected";
}

TEST_F(MainWindowTest, RunWritesTheSelectedManifestAndRefusesTheSecondTime) {
  testing::TempFolder folder;
  const std::string entry = folder / "app.exe";
  Drop({folder / "other.exe", entry});
  Select(1);

  ModalScript script(window);
  script.Then(testing::PressKey(VK_RETURN)).Then(testing::PressKey(VK_RETURN));
  Click(id::kButton1);
  EXPECT_EQ(testing::ReadWholeFile(entry + ".manifest"),
            ManifestDocument(ProcessorArchitecture::X86));
  EXPECT_FALSE(testing::Exists(folder / "other.exe.manifest"));

  testing::WriteWholeFile(entry + ".manifest", "mine");
  Click(id::kButton1);
  EXPECT_EQ(testing::ReadWholeFile(entry + ".manifest"), "mine");
  ASSERT_EQ(script.Seen().size(), 2u);
  EXPECT_EQ(script.Seen()[0].texts, Rows{kDone});
  EXPECT_EQ(script.Seen()[1].texts,
            Rows{Sjis("Tebboさん「すでにXPのスタイルになっているんじゃねーかい？」")});
}

TEST_F(MainWindowTest, ShowPathShowsTheSelectedEntry) {
  const std::string entry = Sjis("C:\\表\\ソフト.exe");
  Drop({"C:\\a.exe", entry});
  ModalScript script(window);
  script.Then(testing::PressKey(VK_RETURN)).Then(testing::PressKey(VK_RETURN));
  Click(id::kButton4);
  Select(1);
  Click(id::kButton4);
  ASSERT_EQ(script.Seen().size(), 2u);
  EXPECT_EQ(script.Seen()[0].texts, Rows{Sjis("Tebboさん「ファイルを選択してくれ。」")});
  EXPECT_EQ(script.Seen()[1].texts, Rows{entry});
  EXPECT_EQ(script.Seen()[1].caption, "Pavonet");
}

struct Failure {
  const char* name;
  const char* shown;  // UTF-8
};

class FailureReportTest : public MainWindowTest, public ::testing::WithParamInterface<Failure> {};

// Each failure is provoked for real on the disk.
TEST_P(FailureReportTest, IsShownAndTheProgramGoesOn) {
  testing::TempFolder folder;
  const std::string name = GetParam().name;
  std::string entry = folder / "app.exe";
  if (name == "MissingFolder") entry = folder / "gone\\app.exe";
  if (name == "DirectoryAtProbe") CreateDirectoryA((entry + ".manifest").c_str(), nullptr);
  Drop({entry, folder / "second.exe"});
  Select(0);

  ModalScript script(window);
  script.Then(testing::ClickButton("OK"));
  Click(id::kButton1);

  ASSERT_EQ(script.Seen().size(), 1u);
  const testing::SeenWindow& report = script.Seen()[0];
  EXPECT_EQ(report.caption, "Pavonet");
  EXPECT_EQ(report.texts, Rows{Sjis(GetParam().shown)});
  EXPECT_TRUE(report.hasIcon);
  EXPECT_EQ(report.buttons, Rows{"OK"});

  // The program goes on with its list as it was.
  EXPECT_EQ(List(), (Rows{entry, folder / "second.exe"}));
  Select(1);
  script.Then(testing::PressKey(VK_RETURN));
  Click(id::kButton1);
  EXPECT_EQ(script.Seen().back().texts, Rows{kDone});
}

INSTANTIATE_TEST_SUITE_P(OnDisk, FailureReportTest,
                         ::testing::Values(Failure{"MissingFolder", "不正なファイル名です."},
                                           Failure{"DirectoryAtProbe",
                                                   "ファイルへのアクセスが拒否されました."}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(MainWindowTest, ListRefusingAnEntryIsReportedWithItsOwnText) {
  // A list box cannot be made to run out of room on cue; the handler throws
  // what a refused append throws.
  form->OnClick(999, [] { throw EOutOfResources(); });
  ModalScript script(window);
  script.Then(testing::ClickButton("OK"));
  SendMessageA(window, WM_COMMAND, 999, 0);
  ASSERT_EQ(script.Seen().size(), 1u);
  EXPECT_EQ(script.Seen()[0].texts, Rows{Sjis("行を挿入できません.")});
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(MainWindowTest, RunAllReportsAReadOnlyManifestAnsweredYes) {
  testing::TempFolder folder;
  const std::string first = folder / "first.exe";
  const std::string locked = folder / "locked.exe";
  const std::string third = folder / "third.exe";
  testing::WriteWholeFile(locked + ".manifest", "old");
  SetFileAttributesA((locked + ".manifest").c_str(), FILE_ATTRIBUTE_READONLY);
  Drop({first, locked, third});

  ModalScript script(window);
  script.Then(testing::ClickButton(Sjis("はい(&Y)"))).Then(testing::ClickButton("OK"));
  Click(id::kButton5);

  ASSERT_EQ(script.Seen().size(), 2u);
  EXPECT_EQ(script.Seen()[0].caption, Sjis("警告"));
  EXPECT_EQ(script.Seen()[1].texts, Rows{Sjis("ファイルへのアクセスが拒否されました.")});
  EXPECT_EQ(testing::ReadWholeFile(first + ".manifest"),
            ManifestDocument(ProcessorArchitecture::X86));
  EXPECT_EQ(testing::ReadWholeFile(locked + ".manifest"), "old");
  EXPECT_FALSE(testing::Exists(third + ".manifest")) << "the batch ends at the failure";
}

}  // namespace
}  // namespace pavonet
