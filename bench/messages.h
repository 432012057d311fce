// Message pumping between measurements.
#pragma once

namespace pavonet::bench {

// Handles every message already waiting, then returns.
void PumpMessages();

// Lets the windows settle: pumps, waits a little for anything the display
// sends back (X11 events under Wine), and pumps again.
void Settle();

}  // namespace pavonet::bench
