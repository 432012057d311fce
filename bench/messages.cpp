#include "bench/messages.h"

#include <windows.h>

namespace pavonet::bench {

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Settle() {
  for (int round = 0; round < 3; ++round) {
    PumpMessages();
    Sleep(10);
  }
  PumpMessages();
}

}  // namespace pavonet::bench
