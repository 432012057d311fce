// Compiled to Shift-JIS: captions reach the controls byte for byte.
#include "resources/main_form.h"

namespace pavonet::resources {

namespace {

using ui::ControlKind;

// In tab order; the label takes no focus.
constexpr ui::ControlLayout kControls[] = {
    {ControlKind::ListBox, kListBox1, 8, 32, 185, 121, nullptr, true},
    {ControlKind::Button, kButton1, 56, 160, 65, 25, "実行", true},
    {ControlKind::Button, kButton2, 128, 192, 65, 25, "終了", true},
    {ControlKind::Button, kButton3, 144, 13, 49, 17, "開く", true},
    {ControlKind::Button, kButton4, 128, 160, 65, 25, "全体表示", true},
    {ControlKind::Button, kButton5, 56, 192, 67, 25, "全て実行", true},
    {ControlKind::Label, kLabel2, 16, 13, 54, 12, "プログラム", false},
};

constexpr ui::MenuItemLayout kMenu[] = {
    {kExit1, "終了"},
    {kPavonet1, "Pavonetについて"},
};

}  // namespace

const ui::FormLayout kMainFormLayout = {
    "TForm1",  "Pavonet", 244,   117,
    210,       279,       false, {"ＭＳ Ｐゴシック", -12, 128 /* SHIFTJIS_CHARSET */},
    kControls, kMenu,
};

const char kOpenDialogFilter[] = "実行ファイル(*.exe)|*.exe";

}  // namespace pavonet::resources
