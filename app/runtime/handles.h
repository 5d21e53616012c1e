// Small non-copyable owners for the system handles and COM pointers the
// runtime services use.
#pragma once
#include <windows.h>

#include <utility>

namespace runtime {

// Owns a kernel handle (file, process, thread) and closes it.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Close(); }

  HANDLE get() const { return handle_; }
  // CreateFile reports failure as INVALID_HANDLE_VALUE, most others as null.
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  // Closes now; returns false (GetLastError says why) when closing fails.
  bool Close() {
    const bool ok = !valid() || CloseHandle(handle_);
    handle_ = nullptr;
    return ok;
  }

 private:
  HANDLE handle_ = nullptr;
};

// Owns one reference to a COM interface.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (ptr_) ptr_->Release();
  }

  T* operator->() const { return ptr_; }
  T* get() const { return ptr_; }
  // The address to receive a new reference (from CoCreateInstance or
  // QueryInterface); the pointer must be empty.
  void** out() { return reinterpret_cast<void**>(&ptr_); }

 private:
  T* ptr_ = nullptr;
};

}  // namespace runtime
