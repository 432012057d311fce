#include "manifest/program_list.h"

#include <gtest/gtest.h>

#include "fakes/memory_file_system.h"
#include "fakes/recording_dialogs.h"
#include "fakes/test_code_pages.h"
#include "fakes/vector_program_list.h"
#include "manifest/errors.h"
#include "manifest/manifest_paths.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

using testing::Sjis;
using testing::VectorProgramList;

const std::string kRejected = "notice:" + Sjis("Tebboさん「実行ファイルを選択してくれ。」");

class ProgramListTest : public ::testing::Test {
 protected:
  testing::RecordingDialogs dialogs;
  testing::MemoryFileSystem files;
  testing::ShiftJisCodePage codePage;
  CommandContext context{dialogs, files, codePage};
  VectorProgramList list;
};

struct AdmissionCase {
  std::string_view candidate;
  bool admitted;
};

class AddProgramTest : public ProgramListTest,
                       public ::testing::WithParamInterface<AdmissionCase> {};

TEST_P(AddProgramTest, AdmitsExactlyTheExeExtension) {
  const AdmissionCase& c = GetParam();
  list.entries = {"C:\\first.exe"};
  list.selected = 0;

  const std::string candidate = Sjis(c.candidate);
  EXPECT_EQ(AddProgram(list, context, candidate), c.admitted);

  std::vector<std::string> expected = {"C:\\first.exe"};
  if (c.admitted) expected.push_back(candidate);
  EXPECT_EQ(list.entries, expected);
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(dialogs.events,
            c.admitted ? std::vector<std::string>{} : std::vector<std::string>{kRejected});
}

INSTANTIATE_TEST_SUITE_P(Candidates, AddProgramTest,
                         ::testing::Values(AdmissionCase{"C:\\Tools\\app.exe", true},
                                           AdmissionCase{"C:\\Tools\\SETUP.EXE", false},
                                           AdmissionCase{"C:\\Tools\\app.Exe", false},
                                           AdmissionCase{"C:\\Tools\\app.exe.bak", false},
                                           AdmissionCase{"C:\\Tools", false},
                                           AdmissionCase{"C:\\dir.old\\readme", false},
                                           AdmissionCase{"C:\\old.exe", true},
                                           AdmissionCase{"C:\\表\\ソフト.exe", true},
                                           AdmissionCase{"C:\\Tools\\app.lnk", false},
                                           AdmissionCase{"", false}));

TEST_F(ProgramListTest, AdmittedEntriesHaveTheSameManifestAndProbePath) {
  for (const char* utf8 : {"C:\\Tools\\app.exe", "C:\\表\\ソフト.exe", "C:\\old.exe"}) {
    const std::string entry = Sjis(utf8);
    ASSERT_TRUE(AddProgram(list, context, entry));
    EXPECT_EQ(ManifestPathOf(entry, codePage), ProbePathOf(entry));
  }
}

TEST_F(ProgramListTest, SamePathTwiceGivesTwoEntriesInOrder) {
  AddProgram(list, context, "C:\\b.exe");
  AddProgram(list, context, "C:\\a.exe");
  AddProgram(list, context, "C:\\b.exe");
  EXPECT_EQ(list.entries, (std::vector<std::string>{"C:\\b.exe", "C:\\a.exe", "C:\\b.exe"}));
  EXPECT_EQ(list.selected, -1);
}

TEST_F(ProgramListTest, RefusedAppendRaisesAndKeepsTheList) {
  list.entries = {"C:\\a.exe"};
  list.capacity = 1;
  EXPECT_THROW(AddProgram(list, context, "C:\\b.exe"), EOutOfResources);
  EXPECT_EQ(list.entries, std::vector<std::string>{"C:\\a.exe"});
  EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(ProgramListTest, ShowPathWithoutSelectionAsksForAFile) {
  const std::vector<std::string> kAsk = {"notice:" + Sjis("Tebboさん「ファイルを選択してくれ。」")};
  Button4Click(list, context);
  EXPECT_EQ(dialogs.events, kAsk);

  dialogs.events.clear();
  list.entries = {"C:\\a.exe", "C:\\b.exe"};
  Button4Click(list, context);
  EXPECT_EQ(dialogs.events, kAsk);
}

TEST_F(ProgramListTest, ShowPathShowsTheBareSelectedEntry) {
  list.entries = {"C:\\a.exe", Sjis("C:\\表\\ソフト.exe"), "C:\\c.exe"};
  list.selected = 1;
  Button4Click(list, context);
  EXPECT_EQ(dialogs.events, std::vector<std::string>{"notice:" + Sjis("C:\\表\\ソフト.exe")});
  EXPECT_EQ(list.selected, 1);
}

}  // namespace
}  // namespace pavonet
