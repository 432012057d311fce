// The executables gathered during this run, and how entries get in.
#pragma once

#include <string>
#include <string_view>

#include "manifest/code_page.h"
#include "manifest/file_system.h"
#include "manifest/user_dialogs.h"

namespace pavonet {

// The list the main window shows. Entries are full paths in the ANSI code
// page, kept exactly as delivered, in order of admission, duplicates allowed.
class ProgramList {
 public:
  virtual ~ProgramList() = default;
  virtual int Count() const = 0;
  // The entry at 0 <= index < Count().
  virtual std::string Items(int index) const = 0;
  // The selected entry, or -1 when none is.
  virtual int SelectedIndex() const = 0;
  // Adds a last entry without changing the selection. Throws EOutOfResources
  // when the list has no room; the list is then unchanged.
  virtual void Append(std::string_view entry) = 0;
};

// What the commands use of their surroundings; all borrowed.
struct CommandContext {
  UserDialogs& dialogs;
  FileSystem& files;
  const CodePage& codePage;
};

// Admits the candidate when its extension is exactly ".exe" (case counts);
// otherwise tells the user so. Returns whether it was admitted.
bool AddProgram(ProgramList& list, const CommandContext& context, std::string_view candidate);

// The show-path command: the selected entry's full path, bare.
void Button4Click(const ProgramList& list, const CommandContext& context);

}  // namespace pavonet
