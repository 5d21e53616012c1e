// Trimming the working set when the application loses activation. Done in
// process with SetProcessWorkingSetSize(-1, -1) on a short thread of its
// own, so no program is written to the Windows folder and none is run.
#include <shlwapi.h>

#include "skin/manager/window_messages.h"

namespace skin::window_messages {

namespace {

DWORD WINAPI WorkingSetFlushThread(void*) {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
  return 0;
}

}  // namespace

void StartWorkingSetFlush() { SHCreateThread(WorkingSetFlushThread, nullptr, 0, nullptr); }

}  // namespace skin::window_messages
