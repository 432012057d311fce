#include "manifest/code_page.h"

#include <gtest/gtest.h>

#include "fakes/test_code_pages.h"

namespace pavonet {
namespace {

struct TrailCase {
  std::string_view text;
  std::size_t index;
  bool trail;
};

class IsTrailByteTest : public ::testing::TestWithParam<TrailCase> {};

TEST_P(IsTrailByteTest, CountsTheLeadBytesBefore) {
  const testing::ShiftJisCodePage shiftJis;
  const testing::SingleByteCodePage singleByte;
  const TrailCase& c = GetParam();
  EXPECT_EQ(IsTrailByte(c.text, c.index, shiftJis), c.trail);
  EXPECT_FALSE(IsTrailByte(c.text, c.index, singleByte));
}

INSTANTIATE_TEST_SUITE_P(Runs, IsTrailByteTest,
                         ::testing::Values(TrailCase{"\\", 0, false}, TrailCase{"\x95\\", 1, true},
                                           TrailCase{"\x81\x81\\", 2, false},
                                           TrailCase{"\x81\x81\x95\\", 3, true},
                                           TrailCase{"a\x95\\b", 2, true},
                                           TrailCase{"\x95\\\\", 2, false}));

}  // namespace
}  // namespace pavonet
