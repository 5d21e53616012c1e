#include "skin/controls/memory_surface_list.h"

#include <algorithm>

namespace skin {

MemorySurfaceList& theMemorySurfaceList() {
  static MemorySurfaceList list;
  return list;
}

namespace {

MemorySurfaceList::iterator FindSurface(HDC surface) {
  MemorySurfaceList& list = theMemorySurfaceList();
  return std::find_if(list.begin(), list.end(),
                      [surface](const SurfaceEntry& e) { return e.Surface == surface; });
}

}  // namespace

void RegisterSurface(HDC surface, HBITMAP bitmap, HGDIOBJ displaced) {
  auto entry = FindSurface(surface);
  if (entry != theMemorySurfaceList().end()) {
    entry->Bitmap = bitmap;
    entry->Displaced = displaced;
    return;
  }
  theMemorySurfaceList().push_back({surface, bitmap, displaced});
}

bool ReleaseControlBackground(HDC surface) {
  if (!surface) return false;
  auto entry = FindSurface(surface);
  if (entry == theMemorySurfaceList().end()) return false;
  DeleteObject(SelectObject(surface, entry->Displaced));
  DeleteDC(surface);
  theMemorySurfaceList().erase(entry);
  return true;
}

}  // namespace skin
