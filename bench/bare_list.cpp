#include "bench/bare_list.h"

#include <stdexcept>

namespace pavonet::bench {

namespace {

constexpr char kHostClass[] = "PavonetBenchBareHost";

void RegisterHostClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kHostClass, &wc)) return;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kHostClass;
  if (!RegisterClassExA(&wc)) throw std::runtime_error("RegisterClassEx");
}

}  // namespace

BareList::BareList(bool show) {
  RegisterHostClass();
  host_.Reset(CreateWindowExA(0, kHostClass, "Bare list", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              244, 117, 210, 279, nullptr, nullptr, GetModuleHandleA(nullptr),
                              nullptr));
  if (!host_) throw std::runtime_error("CreateWindowEx (host)");
  list_ =
      CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY |
                          LBS_NOINTEGRALHEIGHT,
                      8, 32, 185, 121, host_.Get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!list_) throw std::runtime_error("CreateWindowEx (list box)");
  if (show) ShowWindow(host_.Get(), SW_SHOWNORMAL);
}

}  // namespace pavonet::bench
