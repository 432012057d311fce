// A plain container drawn with a lowered outer and a raised inner bevel,
// one pixel each, over the button face. It passes its children's commands
// on to its parent, so a form handles clicks wherever the button sits.
#pragma once

namespace pavonet::ui {

// Registers the panel's window class on first use; returns its name.
const char* RegisterPanelClass();

}  // namespace pavonet::ui
