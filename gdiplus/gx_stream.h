// GxStream: a COM stream over a movable global memory block holding a copy
// of some bytes. Images keep one for their whole life because GDI+ decodes
// lazily and reads the stream again long after loading.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <span>
#include <vector>

namespace gx {

using ByteBlob = std::vector<std::uint8_t>;

class GxStream {
 public:
  GxStream() = default;
  GxStream(const GxStream&) = delete;
  GxStream& operator=(const GxStream&) = delete;
  GxStream(GxStream&& other) noexcept;
  GxStream& operator=(GxStream&& other) noexcept;
  ~GxStream() { Close(); }

  // Replaces any previous content by a stream over a copy of `bytes`,
  // positioned at the start. Returns the stream, or null when the memory or
  // the stream could not be made (the object is then empty).
  IStream* CreateFromBytes(std::span<const std::uint8_t> bytes);
  // Releases the stream and frees its memory block.
  void Close();

  IStream* GetStream() const { return stream_; }
  // Number of bytes in the stream.
  std::size_t GetSize() const;
  // A copy of the stream's bytes.
  ByteBlob ReadBytes() const;

 private:
  HGLOBAL memory_ = nullptr;
  IStream* stream_ = nullptr;
};

}  // namespace gx
