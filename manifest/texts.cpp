// Compiled to Shift-JIS (see pavonet_shift_jis in CMakeLists.txt).
#include "manifest/texts.h"

namespace pavonet::texts {

const std::string_view kApplicationTitle = "Pavonet";
const std::string_view kChooseExecutable = "Tebboさん「実行ファイルを選択してくれ。」";
const std::string_view kChooseFile = "Tebboさん「ファイルを選択してくれ。」";
const std::string_view kSelectOne = "Tebboさん「選択してくれ。」";
const std::string_view kAlreadyStyled =
    "Tebboさん「すでにXPのスタイルになっているんじゃねーかい？」";
const std::string_view kDone = "Tebboさん「できたぜ！」";
const std::string_view kAddFiles = "Tebboさん「ファイルを追加してくれ。」";
const std::string_view kOverwritePrompt =
    "Tebboさん「すでにmanifestファイルがあるが、上書きするかい？\r\n"
    "よく分からない場合はいいえを選択してくれ。\r\n\r\n"
    "プログラム：";
const std::string_view kCannotInsertLine = "行を挿入できません";

}  // namespace pavonet::texts
