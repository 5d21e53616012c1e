#include "gdiplus/gx_stream.h"

#include <combaseapi.h>

#include <cstring>
#include <utility>

namespace gx {

GxStream::GxStream(GxStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)) {}

GxStream& GxStream::operator=(GxStream&& other) noexcept {
  if (this != &other) {
    Close();
    memory_ = std::exchange(other.memory_, nullptr);
    stream_ = std::exchange(other.stream_, nullptr);
  }
  return *this;
}

IStream* GxStream::CreateFromBytes(std::span<const std::uint8_t> bytes) {
  Close();
  memory_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
  if (!memory_) return nullptr;
  // The block is freed by Close, not by the stream's last Release.
  if (FAILED(CreateStreamOnHGlobal(memory_, FALSE, &stream_))) {
    stream_ = nullptr;
    Close();
    return nullptr;
  }
  if (!bytes.empty()) {
    void* locked = GlobalLock(memory_);
    std::memcpy(locked, bytes.data(), bytes.size());
    GlobalUnlock(memory_);
  }
  return stream_;
}

void GxStream::Close() {
  if (stream_) {
    // Writing past the end reallocates the block; free the one in use now.
    HGLOBAL current = nullptr;
    if (SUCCEEDED(GetHGlobalFromStream(stream_, &current)) && current) memory_ = current;
    std::exchange(stream_, nullptr)->Release();
  }
  if (memory_) GlobalFree(std::exchange(memory_, nullptr));
}

std::size_t GxStream::GetSize() const {
  // The stream's own size: the block behind a stream that was written to
  // can be larger than what was written (GlobalSize rounds up).
  STATSTG stat{};
  if (!stream_ || FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
  return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

ByteBlob GxStream::ReadBytes() const {
  const std::size_t size = GetSize();
  // Writing may have reallocated the block; ask the stream for it.
  HGLOBAL memory = nullptr;
  if (size == 0 || FAILED(GetHGlobalFromStream(stream_, &memory))) return {};
  ByteBlob bytes(size);
  const void* locked = GlobalLock(memory);
  if (!locked) return {};
  std::memcpy(bytes.data(), locked, size);
  GlobalUnlock(memory);
  return bytes;
}

}  // namespace gx
