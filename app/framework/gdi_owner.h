// Owner of one GDI object: deletes it when it goes out of scope.
#pragma once
#include <windows.h>

#include <utility>

namespace framework {

template <typename Handle>
class GdiOwner {
 public:
  GdiOwner() = default;
  explicit GdiOwner(Handle handle) : handle_(handle) {}
  ~GdiOwner() { if (handle_) DeleteObject(handle_); }
  GdiOwner(const GdiOwner&) = delete;
  GdiOwner& operator=(const GdiOwner&) = delete;
  GdiOwner(GdiOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiOwner& operator=(GdiOwner&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  Handle get() const { return handle_; }

 private:
  Handle handle_ = nullptr;
};

using OwnedFont = GdiOwner<HFONT>;

}  // namespace framework
