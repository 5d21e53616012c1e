// Helpers shared by the test exes: message pumping and GDI handle counting.
#pragma once
#include <windows.h>

namespace test {

// Dispatches every queued message of this thread, then keeps doing so for
// `ms` milliseconds (timers and posted work get a chance to run).
void PumpMessages(DWORD ms = 0);

// Number of GDI objects this process owns. Windows answers GetGuiResources;
// Wine always returns 0 there, so the process's GDI handle table (its address
// is in the PEB) is counted instead, which tracks create/delete exactly.
unsigned CountGdiObjects();

}  // namespace test
