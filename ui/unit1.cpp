#include "ui/unit1.h"

#include <shellapi.h>

#include <string>

#include "manifest/manifest_commands.h"
#include "resources/main_form.h"
#include "ui/application.h"
#include "ui/unit2.h"

namespace pavonet::ui {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

HICON ProgramIcon() {
  return LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
}

}  // namespace

TForm1::TForm1()
    : Form(resources::kMainFormLayout, nullptr, kStyle, 0, ProgramIcon()),
      OpenDialog1(resources::kOpenDialogFilter) {
  ListBox1.Attach(Control(resources::kListBox1));
  OnClick(resources::kButton1, [this] { Button1Click(); });
  OnClick(resources::kButton2, [this] { Button2Click(); });
  OnClick(resources::kButton3, [this] { Button3Click(); });
  OnClick(resources::kButton4, [this] { Button4Click(); });
  OnClick(resources::kButton5, [this] { Button5Click(); });
  OnClick(resources::kExit1, [this] { Exit1Click(); });
  OnClick(resources::kPavonet1, [this] { Pavonet1Click(); });
  FormCreate();
}

void TForm1::FormCreate() {
  DragAcceptFiles(Handle(), TRUE);
  DeleteMenu(GetSystemMenu(Handle(), FALSE), SC_SIZE, MF_BYCOMMAND);
}

void TForm1::Button2Click() {
  Application::Instance().Terminate();
}

void TForm1::Exit1Click() {
  Application::Instance().Terminate();
}

void TForm1::Pavonet1Click() {
  // A new window for every opening, destroyed when this returns, however
  // ShowModal ends.
  TAboutBox AboutBox(Handle());
  AboutBox.ShowModal();
}

void TForm1::Button3Click() {
  if (!OpenDialog1.Execute(Handle())) return;
  Admit(OpenDialog1.FileName());
}

void TForm1::Button4Click() {
  pavonet::Button4Click(ListBox1, Context());
}

void TForm1::Button1Click() {
  pavonet::Button1Click(ListBox1, Context());
}

void TForm1::Button5Click() {
  pavonet::Button5Click(ListBox1, Context());
}

void TForm1::WMDropFiles(HDROP drop) {
  const UniqueDrop owned(drop);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Ask for the length first, so that no name is ever admitted cut short.
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string name(length + 1, '\0');
    name.resize(DragQueryFileA(drop, i, name.data(), length + 1));
    Admit(name);
  }
}

void TForm1::Admit(std::string_view candidate) {
  if (AddProgram(ListBox1, Context(), candidate)) ListBox1.WidenHorizontalExtent();
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DROPFILES:
      WMDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DESTROY:
      Application::Instance().Terminate();
      return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace pavonet::ui
