// The two commands that put manifests on disk.
#pragma once

#include "manifest/program_list.h"

namespace pavonet {

// "実行": writes the manifest of the selected entry; never replaces one.
void Button1Click(const ProgramList& list, const CommandContext& context);

// "全て実行": writes the manifest of every entry, asking before replacing
// an existing one. A failure ends the batch; earlier manifests stay.
void Button5Click(const ProgramList& list, const CommandContext& context);

}  // namespace pavonet
