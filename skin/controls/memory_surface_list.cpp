#include "skin/controls/memory_surface_list.h"

namespace skin {

MemorySurfaceList& theMemorySurfaceList() {
  static MemorySurfaceList list;
  return list;
}

}  // namespace skin
