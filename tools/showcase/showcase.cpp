// Renders the program's windows into BMP files for the documentation: the
// main window with entries, a notice, the overwrite question, the failure
// report and the About window. The real windows are shown and copied from the screen, frames and
// all, so the pictures show what a user sees.
//   showcase.exe OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "manifest/errors.h"
#include "manifest/texts.h"
#include "resources/main_form.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/message_window.h"
#include "ui/unit1.h"
#include "ui/window_enumeration.h"

namespace {

using namespace pavonet;

std::string outputFolder;

void Pump() {
  MSG message;
  for (int round = 0; round < 5; ++round) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(100);
  }
}

// Copies the window, frame included, from the screen into a 24-bit BMP.
void Capture(HWND window, const std::string& name) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const ui::WindowDc screen(nullptr);
  const ui::UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const ui::UniqueBitmap bitmap(
      CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    const ui::SelectObjectScope select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
  }
  const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(outputFolder + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageSize);
  std::printf("%s\n", name.c_str());
}

// Captures the next modal window once it is up, then closes it.
std::string pendingName;
void CALLBACK CaptureModal(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ui::ForEachThreadWindow([](HWND window) {
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    const std::string name = cls;
    const bool modal = name == "TMessageForm" || name == "#32770" || name == "TAboutBox";
    if (!IsWindowVisible(window) || !modal) return true;
    Capture(window, pendingName);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return false;
  });
}

void ShowAndCapture(const std::string& name, void (*show)()) {
  pendingName = name;
  SetTimer(nullptr, 0, 700, CaptureModal);
  show();
}

ui::TForm1* form = nullptr;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: showcase OUTPUT_FOLDER\n");
    return 2;
  }
  outputFolder = argv[1];
  ui::Application& application = ui::Application::Instance();
  application.SetTitle(texts::kApplicationTitle);
  form = &application.CreateForm<ui::TForm1>();
  ShowWindow(form->Handle(), SW_SHOWNORMAL);

  for (const char* entry :
       {"C:\\Tools\\app.exe", "C:\\Program Files\\Editor\\editor.exe", "D:\\Games\\puzzle.exe"}) {
    form->ListBox1.Append(entry);
    form->ListBox1.WidenHorizontalExtent();
  }
  SendMessageA(form->ListBox1.Handle(), LB_SETCURSEL, 1, 0);
  Pump();
  Capture(form->Handle(), "main-window");

  ShowAndCapture("notice", [] { ui::ShowNotice(form->Handle(), "Pavonet", texts::kDone); });
  ShowAndCapture("ask-yes-no", [] {
    ui::AskYesNo(form->Handle(), std::string(texts::kOverwritePrompt) + "C:\\Tools\\app.exe");
  });
  ShowAndCapture("failure-report", [] {
    try {
      throw EInOutError(5);
    } catch (...) {
      ui::Application::Instance().ShowException();
    }
  });
  ShowAndCapture("about",
                 [] { SendMessageA(form->Handle(), WM_COMMAND, resources::kPavonet1, 0); });
  application.Reset();
  return 0;
}
