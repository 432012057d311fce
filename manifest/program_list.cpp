#include "manifest/program_list.h"

#include "manifest/manifest_paths.h"
#include "manifest/texts.h"

namespace pavonet {

bool AddProgram(ProgramList& list, const CommandContext& context, std::string_view candidate) {
  if (ExtensionOf(candidate, context.codePage) != ".exe") {
    context.dialogs.ShowNotice(texts::kChooseExecutable);
    return false;
  }
  list.Append(candidate);
  return true;
}

void Button4Click(const ProgramList& list, const CommandContext& context) {
  const int selected = list.SelectedIndex();
  if (selected < 0) {
    context.dialogs.ShowNotice(texts::kChooseFile);
    return;
  }
  context.dialogs.ShowNotice(list.Items(selected));
}

}  // namespace pavonet
