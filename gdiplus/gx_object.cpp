#include "gdiplus/gx_object.h"

#include <atomic>

namespace gx {

namespace {
// Shared by the UI thread and the tab skin's animation thread.
std::atomic<int> lastStatus{Gdiplus::Ok};
}  // namespace

Status LastStatus() { return static_cast<Status>(lastStatus.load()); }

bool detail::Record(Status status) {
  lastStatus.store(status);
  return status == Gdiplus::Ok;
}

}  // namespace gx
