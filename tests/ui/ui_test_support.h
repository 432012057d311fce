// Helpers for tests that drive the program's windows in process.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace pavonet::testing {

// Handles every message already waiting, then returns.
void PumpMessages();

// A shell drop of ANSI names, as Explorer builds it; whoever receives it
// releases it with DragFinish.
HDROP MakeDrop(const std::vector<std::string>& names);

// The rows of a list box.
std::vector<std::string> ListRows(HWND listBox);

// A control's place in its parent's client area.
RECT PlaceInParent(HWND control);

// Live GDI objects of this process. Wine's GetGuiResources answers 0, so
// there the handle table is probed: a handle's low word is its index, and
// the index alone finds whatever object lives there.
DWORD GdiObjects();

// USER objects of this process; under Wine, this thread's windows, which is
// what a window leaves behind.
DWORD UserObjects();

// Kernel handles the process holds.
DWORD KernelHandles();

}  // namespace pavonet::testing
