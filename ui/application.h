// The application object: title, main form, message loop, end of the run,
// and the top-level handler that shows the failure report.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace pavonet::ui {

class Application {
 public:
  // The one application object of the process.
  static Application& Instance();

  void SetTitle(std::string_view title) { title_ = title; }
  // Caption of ShowNotice and of the failure report.
  const std::string& Title() const { return title_; }

  // Creates a form; the first one created becomes the main form, owned by
  // the application for the rest of the run.
  template <typename T>
  T& CreateForm() {
    auto form = std::make_unique<T>();
    T& created = *form;
    if (!mainForm_) mainForm_ = std::move(form);
    return created;
  }

  // The main form's window, or nullptr before it exists / after it is gone.
  HWND MainWindow() const { return mainForm_ ? mainForm_->Handle() : nullptr; }

  // Shows the main form and handles messages until the program ends.
  void Run();

  // Ends the message loop once the current handler has returned.
  void Terminate() { PostQuitMessage(0); }

  // The failure report for the exception being handled: a message box owned
  // by the application with the exception's message. The program goes on.
  void ShowException() noexcept;

  // Frees the main form (for tests that run several in one process).
  void Reset() { mainForm_.reset(); }

 private:
  Application() = default;

  std::string title_;
  std::unique_ptr<Form> mainForm_;
};

}  // namespace pavonet::ui
