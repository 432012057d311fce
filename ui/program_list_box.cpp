#include "ui/program_list_box.h"

#include "manifest/errors.h"

namespace pavonet::ui {

int ProgramListBox::Count() const {
  return static_cast<int>(SendMessageA(listBox_, LB_GETCOUNT, 0, 0));
}

std::string ProgramListBox::Items(int index) const {
  const LRESULT length = SendMessageA(listBox_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(listBox_, LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int ProgramListBox::SelectedIndex() const {
  return static_cast<int>(SendMessageA(listBox_, LB_GETCURSEL, 0, 0));
}

void ProgramListBox::Append(std::string_view entry) {
  const std::string text(entry);
  const LRESULT row =
      SendMessageA(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (row == LB_ERR || row == LB_ERRSPACE) throw EOutOfResources();
}

void ProgramListBox::WidenHorizontalExtent() {
  RECT client;
  GetClientRect(listBox_, &client);
  SendMessageA(listBox_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(client.right * 2), 0);
}

}  // namespace pavonet::ui
