// GxImage: a decoded picture (from a file or from bytes), its size and
// format, animation frames, and encoding back to bytes or to a file.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gdiplus/gx_codecs.h"
#include "gdiplus/gx_object.h"
#include "gdiplus/gx_stream.h"
#include "gdiplus/gx_text.h"

namespace gx {

// Frame dimension of animated pictures (GIF frames in time).
inline constexpr std::string_view kTimeDimension = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";

class GxImage : public GxObject<Gdiplus::GpImage, flat::GdipDisposeImage> {
 public:
  GxImage() = default;
  GxImage(GxImage&&) noexcept = default;
  GxImage& operator=(GxImage&&) noexcept = default;
  // The image goes before the stream it may still read from.
  ~GxImage() { Release(); }

  // Disposes of the image, then frees the bytes it was loaded from.
  bool Release();

  // Decodes a file (name in the ANSI code page); `icm` applies colour
  // management.
  bool LoadFromFile(std::string_view fileName, bool icm = false);
  // Decodes a copy of `bytes`. The copy lives as long as the image, so the
  // caller may free its bytes at once.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool icm = false);

  UINT GetWidth() const;
  UINT GetHeight() const;
  REAL GetHorizontalResolution() const;
  REAL GetVerticalResolution() const;
  // The format the image was decoded from, as a GUID text.
  std::string GetRawFormat() const;
  bool RotateFlip(Gdiplus::RotateFlipType type);

  // Frames along a dimension (kTimeDimension for animations).
  UINT GetFrameCount(std::string_view dimension) const;
  bool SelectActiveFrame(std::string_view dimension, UINT index);
  // The frame-delay property (tag 0x5100): one value per frame, in
  // hundredths of a second; empty when the picture has none.
  std::vector<std::uint32_t> GetFrameDelays() const;
  // The raw value bytes of a property item; empty when it is missing.
  ByteBlob GetPropertyItem(PROPID id) const;

  // Encodes the image with the encoder of `format` (default: the format it
  // was decoded from). Empty when no encoder handles the format or the
  // encoding fails.
  ByteBlob SaveToBytes(std::optional<std::string_view> format = std::nullopt,
                       std::span<const EncoderParam> params = {}) const;
  // Encodes the image into a file (name in the ANSI code page); false when
  // no encoder handles the format.
  bool SaveToFile(std::string_view fileName, std::string_view format = kBmpFormat,
                  std::span<const EncoderParam> params = {}) const;

 protected:
  // Decodes a copy of `bytes` with one of GDI+'s stream loaders.
  template <class Made>
  bool LoadStream(std::span<const std::uint8_t> bytes, Status(WINGDIPAPI* load)(IStream*, Made**)) {
    Release();
    IStream* stream = stream_.CreateFromBytes(bytes);
    if (!stream) return detail::Record(Gdiplus::Win32Error);
    Made* made = nullptr;
    return Adopt(load(stream, &made), made);
  }
  // Decodes a file with one of GDI+'s file loaders.
  template <class Made>
  bool LoadFile(std::string_view fileName, Status(WINGDIPAPI* load)(const WCHAR*, Made**)) {
    Release();
    Made* made = nullptr;
    return Adopt(load(TextToWide(fileName).c_str(), &made), made);
  }

 private:
  GxStream stream_;
};

}  // namespace gx
