#include "manifest/failure_report.h"

#include <gtest/gtest.h>

#include "fakes/test_code_pages.h"
#include "manifest/errors.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

struct ReportCase {
  ErrorCode code;
  std::string_view shown;
};

class InOutErrorReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(InOutErrorReportTest, ShowsTheWordsForTheCode) {
  const testing::ShiftJisCodePage codePage;
  const EInOutError error(GetParam().code);
  EXPECT_EQ(error.Code(), GetParam().code);
  EXPECT_EQ(FailureReportText(error.what(), codePage), testing::Sjis(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Codes, InOutErrorReportTest,
                         ::testing::Values(ReportCase{2, "ファイルが見つかりません."},
                                           ReportCase{3, "不正なファイル名です."},
                                           ReportCase{4, "オープンしたファイルが多すぎます."},
                                           ReportCase{5, "ファイルへのアクセスが拒否されました."},
                                           ReportCase{100, "ファイルの末尾以降を読み込みました."},
                                           ReportCase{101, "ディスクがいっぱいです."},
                                           ReportCase{106, "入力値が数値ではありません."},
                                           ReportCase{32, "I/O エラー (32)"},
                                           ReportCase{112, "I/O エラー (112)"},
                                           ReportCase{0, "I/O エラー (0)"},
                                           ReportCase{4294967295u, "I/O エラー (4294967295)"}));

TEST(FailureReport, OutOfResourcesEndsWithADot) {
  const testing::ShiftJisCodePage codePage;
  EXPECT_EQ(FailureReportText(EOutOfResources().what(), codePage),
            testing::Sjis("行を挿入できません."));
}

struct DotCase {
  std::string_view message;
  std::string_view shown;
};

class DotRuleTest : public ::testing::TestWithParam<DotCase> {};

TEST_P(DotRuleTest, AppendsADotAfterCharactersAboveDot) {
  const testing::ShiftJisCodePage codePage;
  EXPECT_EQ(FailureReportText(testing::Sjis(GetParam().message), codePage),
            testing::Sjis(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Endings, DotRuleTest,
                         ::testing::Values(DotCase{"", ""}, DotCase{"done.", "done."},
                                           DotCase{"a-", "a-"}, DotCase{"a/", "a/."},
                                           DotCase{"x)", "x)"}, DotCase{"x!", "x!"},
                                           DotCase{"x0", "x0."}, DotCase{"ソ", "ソ."},
                                           DotCase{"表.", "表."}));

}  // namespace
}  // namespace pavonet
