// The two message windows, driven like a user drives them.
#include "ui/message_window.h"

#include <gtest/gtest.h>

#include "modal_script.h"
#include "support/sjis.h"

namespace pavonet {
namespace {

using testing::ModalScript;
using testing::Sjis;

const std::string kYes = Sjis("はい(&Y)");
const std::string kNo = Sjis("いいえ(&N)");

int Width(const RECT& r) {
  return r.right - r.left;
}
int CentreX(const RECT& r) {
  return (r.left + r.right) / 2;
}
int CentreY(const RECT& r) {
  return (r.top + r.bottom) / 2;
}

void ExpectCentredOnScreen(const RECT& window) {
  EXPECT_NEAR(CentreX(window), GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(CentreY(window), GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(ShowNotice, ShowsTheTextUnderTheTitleWithOneOkButton) {
  const std::string text = Sjis("Tebboさん「できたぜ！」");
  ModalScript script;
  script.Then(testing::ClickButton("OK"));
  ui::ShowNotice(nullptr, "Pavonet", text);

  ASSERT_EQ(script.Seen().size(), 1u);
  const testing::SeenWindow& seen = script.Seen()[0];
  EXPECT_EQ(seen.className, "TMessageForm");
  EXPECT_EQ(seen.caption, "Pavonet");
  EXPECT_EQ(seen.texts, std::vector<std::string>{text});
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_EQ(seen.focusText, "OK");
  ExpectCentredOnScreen(seen.window);
}

class ShowNoticeClosesOnEveryWayTest : public ::testing::TestWithParam<int> {};

TEST_P(ShowNoticeClosesOnEveryWayTest, Closes) {
  const ModalScript::Action ways[] = {testing::ClickButton("OK"), testing::PressKey(VK_RETURN),
                                      testing::PressKey(VK_ESCAPE), testing::CloseBox(),
                                      testing::AltF4()};
  ModalScript script;
  script.Then(ways[GetParam()]);
  ui::ShowNotice(nullptr, "Pavonet", "x");
  EXPECT_EQ(script.Seen().size(), 1u) << "closed by the first answer";
}

INSTANTIATE_TEST_SUITE_P(Ways, ShowNoticeClosesOnEveryWayTest, ::testing::Range(0, 5));

TEST(ShowNotice, BreaksAtCrLfAndWrapsAtHalfTheScreen) {
  ModalScript script;
  script.Then(testing::PressKey(VK_RETURN)).Then(testing::PressKey(VK_RETURN));
  ui::ShowNotice(nullptr, "Pavonet", "one");
  ui::ShowNotice(nullptr, "Pavonet", "one\r\ntwo");
  std::string words;
  for (int i = 0; i < 200; ++i)
    words += "word ";
  script.Then(testing::PressKey(VK_RETURN));
  ui::ShowNotice(nullptr, "Pavonet", words);

  ASSERT_EQ(script.Seen().size(), 3u);
  const RECT oneLine = script.Seen()[0].textRects.at(0);
  const RECT twoLines = script.Seen()[1].textRects.at(0);
  const RECT wrapped = script.Seen()[2].textRects.at(0);
  const int lineHeight = oneLine.bottom - oneLine.top;
  EXPECT_EQ(twoLines.bottom - twoLines.top, 2 * lineHeight);
  EXPECT_LE(Width(wrapped), GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_GT(wrapped.bottom - wrapped.top, 2 * lineHeight);
  EXPECT_LT(Width(script.Seen()[0].window), Width(script.Seen()[2].window)) << "sized to the text";
}

TEST(ShowNotice, AWordWiderThanHalfTheScreenWidensTheWindow) {
  const std::string word(400, 'W');
  ModalScript script;
  script.Then(testing::PressKey(VK_RETURN));
  ui::ShowNotice(nullptr, "Pavonet", word);
  ASSERT_EQ(script.Seen().size(), 1u);
  const RECT text = script.Seen()[0].textRects.at(0);
  EXPECT_GT(Width(text), GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_GE(Width(script.Seen()[0].window), Width(text));
}

TEST(AskYesNo, ShowsTheWarningWithYesAndNoOfEqualWidthCentred) {
  const std::string text = Sjis("上書きするかい？\r\nプログラム：C:\\a.exe");
  ModalScript script;
  script.Then(testing::ClickButton(kNo));
  ui::AskYesNo(nullptr, text);

  ASSERT_EQ(script.Seen().size(), 1u);
  const testing::SeenWindow& seen = script.Seen()[0];
  EXPECT_EQ(seen.caption, Sjis("警告"));
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(seen.texts, std::vector<std::string>{text});
  EXPECT_EQ(seen.buttons, (std::vector<std::string>{kYes, kNo}));
  EXPECT_EQ(seen.focusText, kYes);
  EXPECT_EQ(seen.defaultButtonId, IDYES);
  ASSERT_EQ(seen.buttonRects.size(), 2u);
  const RECT yes = seen.buttonRects[0];
  const RECT no = seen.buttonRects[1];
  EXPECT_EQ(Width(yes), Width(no));
  EXPECT_LT(yes.right, no.left);
  EXPECT_NEAR((yes.left + no.right) / 2, CentreX(seen.window), 2) << "centred as a group";
  ExpectCentredOnScreen(seen.window);
}

struct Answer {
  const char* name;
  ModalScript::Action action;
  int result;
};

class AskYesNoAnswerTest : public ::testing::TestWithParam<Answer> {};

TEST_P(AskYesNoAnswerTest, GivesTheResult) {
  ModalScript script;
  script.Then(GetParam().action);
  EXPECT_EQ(ui::AskYesNo(nullptr, "?"), GetParam().result);
  EXPECT_EQ(script.Seen().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, AskYesNoAnswerTest,
                         ::testing::Values(Answer{"ClickYes", testing::ClickButton(kYes), IDYES},
                                           Answer{"ClickNo", testing::ClickButton(kNo), IDNO},
                                           Answer{"Enter", testing::PressKey(VK_RETURN), IDYES},
                                           Answer{"Escape", testing::PressKey(VK_ESCAPE), IDNO},
                                           Answer{"Y", testing::TypeChar('y', false), IDYES},
                                           Answer{"N", testing::TypeChar('n', false), IDNO},
                                           Answer{"AltY", testing::TypeChar('y', true), IDYES},
                                           Answer{"AltN", testing::TypeChar('n', true), IDNO},
                                           Answer{"CloseBox", testing::CloseBox(), IDCANCEL},
                                           Answer{"AltF4", testing::AltF4(), IDCANCEL}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(MessageWindows, DisableTheOwnerWhileOpenAndGiveItBack) {
  const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
  ModalScript script(owner);
  script.Then(testing::PressKey(VK_RETURN)).Then(testing::PressKey(VK_RETURN));
  ui::ShowNotice(owner, "Pavonet", "x");
  ui::AskYesNo(owner, "x");
  ASSERT_EQ(script.Seen().size(), 2u);
  EXPECT_FALSE(script.Seen()[0].ownerEnabled);
  EXPECT_FALSE(script.Seen()[1].ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

}  // namespace
}  // namespace pavonet
