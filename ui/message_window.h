// The program's two modal message windows. They are ordinary windows (not
// MessageBox): silent, sized to their text, centred on the screen, and the
// text is a real static control that screen readers can read.
#pragma once

#include <windows.h>

#include <string_view>

namespace pavonet::ui {

// Ids of the controls, for whoever reads the window from outside.
inline constexpr int kMessageTextId = 100;
inline constexpr int kMessageIconId = 101;

// `text` under the caption `title`, one "OK" (Enter and Esc press it).
void ShowNotice(HWND owner, std::string_view title, std::string_view text);

// "警告" with the warning icon and "はい(&Y)" / "いいえ(&N)": IDYES (6), IDNO (7,
// also Esc) or IDCANCEL (2) when closed by the close box or Alt+F4.
int AskYesNo(HWND owner, std::string_view text);

}  // namespace pavonet::ui
