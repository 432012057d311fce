#include "manifest/manifest_commands.h"

#include <string>

#include "manifest/executable_architecture.h"
#include "manifest/manifest_paths.h"
#include "manifest/manifest_writer.h"
#include "manifest/texts.h"

namespace pavonet {

namespace {

void WriteManifestOf(const std::string& entry, const CommandContext& context) {
  WriteManifest(context.files, ManifestPathOf(entry, context.codePage),
                ArchitectureOf(context.files, entry));
}

bool HasManifest(const std::string& entry, const CommandContext& context) {
  return IsExistingFile(context.files, ProbePathOf(entry));
}

void ReportDone(const CommandContext& context) {
  context.dialogs.MessageBeep(UserDialogs::kAsteriskSound);
  context.dialogs.ShowNotice(texts::kDone);
}

}  // namespace

void Button1Click(const ProgramList& list, const CommandContext& context) {
  const int selected = list.SelectedIndex();
  if (selected < 0) {
    context.dialogs.ShowNotice(texts::kSelectOne);
    return;
  }
  const std::string entry = list.Items(selected);
  if (HasManifest(entry, context)) {
    context.dialogs.ShowNotice(texts::kAlreadyStyled);
    return;
  }
  WriteManifestOf(entry, context);
  ReportDone(context);
}

void Button5Click(const ProgramList& list, const CommandContext& context) {
  const int count = list.Count();
  if (count == 0) {
    context.dialogs.ShowNotice(texts::kAddFiles);
    return;
  }
  for (int i = 0; i < count; ++i) {
    const std::string entry = list.Items(i);
    if (HasManifest(entry, context)) {
      const std::string prompt = std::string(texts::kOverwritePrompt) + entry;
      if (context.dialogs.AskYesNo(prompt) != UserDialogs::kYes) continue;
    }
    WriteManifestOf(entry, context);
  }
  ReportDone(context);
}

}  // namespace pavonet
