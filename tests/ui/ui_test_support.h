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

}  // namespace pavonet::testing
