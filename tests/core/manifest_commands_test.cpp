#include "manifest/manifest_commands.h"

#include <gtest/gtest.h>

#include "fakes/memory_file_system.h"
#include "fakes/recording_dialogs.h"
#include "fakes/test_code_pages.h"
#include "fakes/vector_program_list.h"
#include "manifest/errors.h"
#include "manifest/manifest_document.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

using Events = std::vector<std::string>;
using testing::Sjis;

const std::string kSelectOne = "notice:" + Sjis("Tebboさん「選択してくれ。」");
const std::string kAlreadyStyled =
    "notice:" + Sjis("Tebboさん「すでにXPのスタイルになっているんじゃねーかい？」");
const std::string kAddFiles = "notice:" + Sjis("Tebboさん「ファイルを追加してくれ。」");
const std::string kBeep = "beep:64";
const std::string kDone = "notice:" + Sjis("Tebboさん「できたぜ！」");

std::string Question(const std::string& entry) {
  return "ask:" +
         Sjis(
             "Tebboさん「すでにmanifestファイルがあるが、上書きするかい？\r\n"
             "よく分からない場合はいいえを選択してくれ。\r\n\r\nプログラム：") +
         entry;
}

class ManifestCommandsTest : public ::testing::Test {
 protected:
  testing::RecordingDialogs dialogs;
  testing::MemoryFileSystem files;
  testing::ShiftJisCodePage codePage;
  CommandContext context{dialogs, files, codePage};
  testing::VectorProgramList list;

  const std::string document = ManifestDocument(ProcessorArchitecture::X86);
};

TEST_F(ManifestCommandsTest, RunWithoutSelectionAsksForOne) {
  Button1Click(list, context);
  list.entries = {"C:\\a.exe"};
  Button1Click(list, context);
  EXPECT_EQ(dialogs.events, (Events{kSelectOne, kSelectOne}));
  EXPECT_TRUE(files.files.empty());
}

TEST_F(ManifestCommandsTest, RunWritesTheSelectedEntryThenBeepsAndReports) {
  list.entries = {"C:\\a.exe", Sjis("C:\\表\\ソフト.exe")};
  list.selected = 1;
  Button1Click(list, context);
  EXPECT_EQ(files.files.at(Sjis("C:\\表\\ソフト.exe.manifest")), document);
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(dialogs.events, (Events{kBeep, kDone}));
}

TEST_F(ManifestCommandsTest, RunNeverReplacesAnExistingManifest) {
  list.entries = {"C:\\a.exe"};
  list.selected = 0;
  files.files["C:\\a.exe.manifest"] = "mine";
  Button1Click(list, context);
  EXPECT_EQ(files.files.at("C:\\a.exe.manifest"), "mine");
  EXPECT_EQ(dialogs.events, Events{kAlreadyStyled});
}

TEST_F(ManifestCommandsTest, RunWritesTheAnyFormBesideA64BitExecutable) {
  std::string image(0x100, '\0');
  image[0] = 'M', image[1] = 'Z', image[0x3C] = '\x80';
  image.replace(0x80, 6, std::string("PE\0\0\x64\x86", 6));
  files.files["C:\\x64.exe"] = image;
  list.entries = {"C:\\x64.exe"};
  list.selected = 0;
  Button1Click(list, context);
  EXPECT_EQ(files.files.at("C:\\x64.exe.manifest"), ManifestDocument(ProcessorArchitecture::Any));
}

TEST_F(ManifestCommandsTest, RunFailureEndsWithoutBeepOrReport) {
  list.entries = {"C:\\a.exe"};
  list.selected = 0;
  files.directories.insert("C:\\a.exe.manifest");
  EXPECT_THROW(Button1Click(list, context), EInOutError);
  EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(ManifestCommandsTest, RunAllOnAnEmptyListAsksForFilesWithoutBeep) {
  Button5Click(list, context);
  EXPECT_EQ(dialogs.events, Events{kAddFiles});
}

TEST_F(ManifestCommandsTest, RunAllIgnoresTheSelectionAndAsksPerExistingManifest) {
  list.entries = {"C:\\new.exe", "C:\\yes.exe", "C:\\no.exe", "C:\\closed.exe"};
  list.selected = 2;
  for (const char* old : {"C:\\yes.exe.manifest", "C:\\no.exe.manifest", "C:\\closed.exe.manifest"})
    files.files[old] = "old";
  dialogs.answers = {UserDialogs::kYes, UserDialogs::kNo, UserDialogs::kClosed};

  Button5Click(list, context);

  EXPECT_EQ(files.files.at("C:\\new.exe.manifest"), document);
  EXPECT_EQ(files.files.at("C:\\yes.exe.manifest"), document);
  EXPECT_EQ(files.files.at("C:\\no.exe.manifest"), "old");
  EXPECT_EQ(files.files.at("C:\\closed.exe.manifest"), "old");
  EXPECT_EQ(dialogs.events, (Events{Question("C:\\yes.exe"), Question("C:\\no.exe"),
                                    Question("C:\\closed.exe"), kBeep, kDone}));
}

TEST_F(ManifestCommandsTest, RunAllReportsDoneEvenWhenEveryAnswerIsNo) {
  list.entries = {"C:\\a.exe", "C:\\b.exe"};
  files.files["C:\\a.exe.manifest"] = "a";
  files.files["C:\\b.exe.manifest"] = "b";
  dialogs.answers = {UserDialogs::kNo, UserDialogs::kNo};
  Button5Click(list, context);
  EXPECT_EQ(files.files.at("C:\\a.exe.manifest"), "a");
  EXPECT_EQ(files.files.at("C:\\b.exe.manifest"), "b");
  EXPECT_EQ(dialogs.events.size(), 4u);
  EXPECT_EQ(dialogs.events.back(), kDone);
}

TEST_F(ManifestCommandsTest, RunAllWritesADuplicateOnceAndAsksAtItsSecondVisit) {
  list.entries = {"C:\\a.exe", "C:\\a.exe"};
  dialogs.answers = {UserDialogs::kNo};
  Button5Click(list, context);
  EXPECT_EQ(dialogs.events, (Events{Question("C:\\a.exe"), kBeep, kDone}));
}

TEST_F(ManifestCommandsTest, RunAllStopsAtTheFailingEntryAndKeepsEarlierManifests) {
  list.entries = {"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"};
  files.directories.insert("C:\\b.exe.manifest");
  EXPECT_THROW(Button5Click(list, context), EInOutError);
  EXPECT_EQ(files.files.at("C:\\a.exe.manifest"), document);
  EXPECT_FALSE(files.files.contains("C:\\c.exe.manifest"));
  EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(ManifestCommandsTest, RunAllWriteFailureMidwayRemovesOnlyThatEntrysFile) {
  list.entries = {"C:\\a.exe", "C:\\b.exe"};
  files.FailOperation(9 + 4, 112);  // the second entry's second buffer write
  EXPECT_THROW(Button5Click(list, context), EInOutError);
  EXPECT_EQ(files.files.at("C:\\a.exe.manifest"), document);
  EXPECT_FALSE(files.files.contains("C:\\b.exe.manifest"));
}

}  // namespace
}  // namespace pavonet
