#include "ui/application.h"

#include <exception>

#include "manifest/failure_report.h"
#include "manifest/win32/win32_code_page.h"

namespace pavonet::ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Run() {
  ShowWindow(MainWindow(), SW_SHOWNORMAL);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (mainForm_ && mainForm_->Handle() && mainForm_->PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Application::ShowException() noexcept {
  std::string message;
  try {
    throw;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
  }
  try {
    const std::string text = FailureReportText(message, win32::SystemCodePage());
    MessageBoxA(MainWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    // Out of memory while reporting: nothing sensible is left to show.
  }
}

void ReportCurrentException() noexcept {
  Application::Instance().ShowException();
}

}  // namespace pavonet::ui
