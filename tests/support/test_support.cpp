#include "test_support.h"

#include <winternl.h>

namespace test {

void PumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (ms) Sleep(1);
  } while (GetTickCount() - start < ms);
}

namespace {

// One entry of the GDI handle table that Wine shares with each process. The
// layout is the same in 32- and 64-bit processes; Type 0 marks a free slot.
struct GdiTableEntry {
  UINT64 object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  UINT64 userPointer;
};
static_assert(sizeof(GdiTableEntry) == 24);

constexpr unsigned kGdiTableEntries = 0x4000;

// MinGW's NtCurrentTeb reads the TEB through a zero-length array, which GCC's
// -Warray-bounds reports once inlined here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
const GdiTableEntry* GdiHandleTable() {
  const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  // PEB.GdiSharedHandleTable
  const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  return *reinterpret_cast<GdiTableEntry* const*>(peb + offset);
}
#pragma GCC diagnostic pop

}  // namespace

unsigned CountGdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  const GdiTableEntry* table = GdiHandleTable();
  if (!table) return 0;
  unsigned n = 0;
  for (unsigned i = 0; i < kGdiTableEntries; ++i)
    if (table[i].type != 0) ++n;
  return n;
}

}  // namespace test
