// MemorySurfaceList: the process-wide list of memory surfaces handed out to
// control painters for their backdrop and not yet released, keyed by the
// surface's device context (at most one entry per handle).
#pragma once
#include <windows.h>

#include <vector>

namespace skin {

struct SurfaceEntry {
  HDC Surface = nullptr;
  HBITMAP Bitmap = nullptr;  // the 32-bit bitmap selected into Surface
  HGDIOBJ Displaced = nullptr;  // what selecting Bitmap displaced; restored on release
};

using MemorySurfaceList = std::vector<SurfaceEntry>;

// The process's list. Empty at start-up; emptied by the exit routine.
MemorySurfaceList& theMemorySurfaceList();

// Adds an entry; when `surface` is already listed (the system handed the
// handle out again), that entry's bitmap and displaced object are replaced.
void RegisterSurface(HDC surface, HBITMAP bitmap, HGDIOBJ displaced);

// Puts the displaced object back into a listed surface, deletes the bitmap
// that selection returns and the device context, and drops the entry.
// Returns false (touching nothing) for a surface that is not listed.
bool ReleaseControlBackground(HDC surface);

}  // namespace skin
