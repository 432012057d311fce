// The built program, started as its own process and used only through its
// windows: the open dialog, the list, the commands, the message windows and
// the failure report, compared byte for byte with the program's texts.
#include <gtest/gtest.h>

#include "manifest/manifest_document.h"
#include "program_driver.h"
#include "support/sjis.h"
#include "support/temp_folder.h"

namespace pavonet {
namespace {

using testing::MessageWindowText;
using testing::ProgramDriver;
using testing::Sjis;
using Rows = std::vector<std::string>;

constexpr int kButton1 = 102;  // 実行
constexpr int kButton2 = 103;  // 終了
constexpr int kButton5 = 106;  // 全て実行

const std::string kYes = Sjis("はい(&Y)");
const std::string kNo = Sjis("いいえ(&N)");

MessageWindowText Notice(const char* utf8) {
  return {"TMessageForm", "Pavonet", {Sjis(utf8)}, {"OK"}};
}

MessageWindowText Question(const std::string& entry) {
  return {"TMessageForm",
          Sjis("警告"),
          {Sjis("Tebboさん「すでにmanifestファイルがあるが、上書きするかい？\r\n"
                "よく分からない場合はいいえを選択してくれ。\r\n\r\nプログラム：") +
           entry},
          {kYes, kNo}};
}

const MessageWindowText kRejected = Notice("Tebboさん「実行ファイルを選択してくれ。」");
const MessageWindowText kDone = Notice("Tebboさん「できたぜ！」");

class ProgramScenarioTest : public ::testing::Test {
 protected:
  // Answers the next message window with the button and returns what it showed.
  MessageWindowText Answer(const std::string& button) {
    const HWND window = program.WaitForWindow("TMessageForm");
    if (!window) return {"(none)", "", {}, {}};
    const MessageWindowText read = ProgramDriver::Read(window);
    ProgramDriver::ClickButton(window, button);
    EXPECT_TRUE(ProgramDriver::WaitUntilClosed(window));
    return read;
  }

  void EndWithExitButton() {
    program.Click(kButton2);
    EXPECT_EQ(program.WaitForExit(), 0);
  }

  testing::TempFolder folder;
  ProgramDriver program{PAVONET_EXE};
  const std::string document = ManifestDocument(ProcessorArchitecture::X86);
};

TEST_F(ProgramScenarioTest, OpenDialogAdmitsExeNamesAndTheListReadsBack) {
  const std::string shiftJisFolder = folder / Sjis("表");
  ASSERT_TRUE(CreateDirectoryA(shiftJisFolder.c_str(), nullptr));
  const std::string app = folder / "app.exe";
  const std::string setup = folder / "SETUP.EXE";
  const std::string soft = shiftJisFolder + Sjis("\\ソフト.exe");
  for (const std::string& file : {app, setup, soft})
    testing::WriteWholeFile(file, "");

  program.ChooseInOpenDialog(app);
  program.ChooseInOpenDialog(setup);
  EXPECT_EQ(Answer("OK"), kRejected);
  program.ChooseInOpenDialog(soft);

  EXPECT_EQ(program.ListRows(), (Rows{app, soft}));
  EndWithExitButton();
}

TEST_F(ProgramScenarioTest, RunAsksForASelectionThenWritesThenRefuses) {
  const std::string entry = folder / "app.exe";
  program.ChooseInOpenDialog(entry);

  program.Click(kButton1);
  EXPECT_EQ(Answer("OK"), Notice("Tebboさん「選択してくれ。」"));
  EXPECT_FALSE(testing::Exists(entry + ".manifest"));

  program.SelectRow(0);
  program.Click(kButton1);
  EXPECT_EQ(Answer("OK"), kDone);
  EXPECT_EQ(testing::ReadWholeFile(entry + ".manifest"), document);

  program.Click(kButton1);
  EXPECT_EQ(Answer("OK"), Notice("Tebboさん「すでにXPのスタイルになっているんじゃねーかい？」"));
  EXPECT_EQ(testing::ReadWholeFile(entry + ".manifest"), document);
  EndWithExitButton();
}

TEST_F(ProgramScenarioTest, RunAllAsksForEachExistingManifest) {
  const Rows entries = {folder / "new.exe", folder / "yes.exe", folder / "no.exe",
                        folder / "closed.exe"};
  for (const std::string& entry : entries)
    program.ChooseInOpenDialog(entry);
  for (int i = 1; i < 4; ++i)
    testing::WriteWholeFile(entries[i] + ".manifest", "old");

  program.Click(kButton5);
  EXPECT_EQ(Answer(kYes), Question(entries[1]));
  EXPECT_EQ(Answer(kNo), Question(entries[2]));
  const HWND question = program.WaitForWindow("TMessageForm");
  ASSERT_TRUE(question);
  EXPECT_EQ(ProgramDriver::Read(question), Question(entries[3]));
  PostMessageA(question, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  EXPECT_EQ(Answer("OK"), kDone);

  EXPECT_EQ(testing::ReadWholeFile(entries[0] + ".manifest"), document);
  EXPECT_EQ(testing::ReadWholeFile(entries[1] + ".manifest"), document);
  EXPECT_EQ(testing::ReadWholeFile(entries[2] + ".manifest"), "old");
  EXPECT_EQ(testing::ReadWholeFile(entries[3] + ".manifest"), "old");
  EndWithExitButton();
}

TEST_F(ProgramScenarioTest, ReadOnlyManifestAnsweredYesIsReportedAndTheProgramGoesOn) {
  const std::string locked = folder / "locked.exe";
  const std::string after = folder / "after.exe";
  testing::WriteWholeFile(locked + ".manifest", "old");
  SetFileAttributesA((locked + ".manifest").c_str(), FILE_ATTRIBUTE_READONLY);
  program.ChooseInOpenDialog(locked);
  program.ChooseInOpenDialog(after);

  program.Click(kButton5);
  EXPECT_EQ(Answer(kYes), Question(locked));
  const HWND report = program.WaitForWindow("#32770");
  ASSERT_TRUE(report);
  const MessageWindowText read = ProgramDriver::Read(report);
  EXPECT_EQ(read.caption, "Pavonet");
  EXPECT_EQ(read.texts, Rows{Sjis("ファイルへのアクセスが拒否されました.")});
  EXPECT_EQ(read.buttons, Rows{"OK"});
  ProgramDriver::ClickButton(report, "OK");
  ASSERT_TRUE(ProgramDriver::WaitUntilClosed(report));

  EXPECT_EQ(testing::ReadWholeFile(locked + ".manifest"), "old");
  EXPECT_FALSE(testing::Exists(after + ".manifest")) << "the batch ends at the failure";
  EXPECT_EQ(program.ListRows(), (Rows{locked, after}));

  // Still running: the next command works.
  program.SelectRow(1);
  program.Click(kButton1);
  EXPECT_EQ(Answer("OK"), kDone);
  EXPECT_EQ(testing::ReadWholeFile(after + ".manifest"), document);
  EndWithExitButton();
}

}  // namespace
}  // namespace pavonet
