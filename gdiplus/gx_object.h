// The base every wrapper of this layer stands on: one owned GDI+ native
// object, released exactly once, and the process-wide status of the most
// recent GDI+ call.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace gx {

namespace flat = Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::PointF;
using Gdiplus::RectF;
using Gdiplus::REAL;
using Gdiplus::Status;

// Status of the most recent GDI+ call made by any wrapper, on any thread.
// Operations themselves only answer whether that status was Ok.
Status LastStatus();

namespace detail {
// Stores `status` as the last status; true when it is Ok.
bool Record(Status status);
}  // namespace detail

// Owns one native object of type Native, deleted with Delete. Not copyable
// (two owners would delete the same object twice); moving hands the object on.
template <class Native, Status(WINGDIPAPI* Delete)(Native*)>
class GxObject {
 public:
  GxObject() = default;
  GxObject(const GxObject&) = delete;
  GxObject& operator=(const GxObject&) = delete;
  GxObject(GxObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GxObject& operator=(GxObject&& other) noexcept {
    if (this != &other) SetNativeHandle(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~GxObject() { Release(); }

  Native* GetNativeHandle() const { return handle_; }
  bool IsEmpty() const { return handle_ == nullptr; }

  // Takes ownership of `handle`; an object held before is released first.
  void SetNativeHandle(Native* handle) {
    if (handle == handle_) return;
    Release();
    handle_ = handle;
  }

  // Deletes the native object and leaves this one empty. On an empty object
  // it returns false without calling GDI+ (the last status is untouched).
  bool Release() {
    if (!handle_) return false;
    return detail::Record(Delete(std::exchange(handle_, nullptr)));
  }

 protected:
  // Finishes a creation call: keeps what GDI+ wrote to `made` (null when the
  // call failed) in place of the object held before, records the status.
  // `made` is taken by reference so it is read after the call has run.
  template <class Made>
  bool Adopt(Status status, Made* const& made) {
    SetNativeHandle(made);
    return detail::Record(status);
  }

  Native* handle_ = nullptr;
};

}  // namespace gx
