#include "gdiplus/gx_image.h"

#include <cstring>

#include "gdiplus/gx_text.h"

namespace gx {

bool GxImage::Release() {
  const bool released = GxObject::Release();
  stream_.Close();
  return released;
}

bool GxImage::LoadFromFile(std::string_view fileName, bool icm) {
  return LoadFile(fileName, icm ? flat::GdipLoadImageFromFileICM : flat::GdipLoadImageFromFile);
}

bool GxImage::LoadFromBytes(std::span<const std::uint8_t> bytes, bool icm) {
  return LoadStream(bytes, icm ? flat::GdipLoadImageFromStreamICM : flat::GdipLoadImageFromStream);
}

UINT GxImage::GetWidth() const {
  UINT width = 0;
  detail::Record(flat::GdipGetImageWidth(handle_, &width));
  return width;
}

UINT GxImage::GetHeight() const {
  UINT height = 0;
  detail::Record(flat::GdipGetImageHeight(handle_, &height));
  return height;
}

REAL GxImage::GetHorizontalResolution() const {
  REAL dpi = 0;
  detail::Record(flat::GdipGetImageHorizontalResolution(handle_, &dpi));
  return dpi;
}

REAL GxImage::GetVerticalResolution() const {
  REAL dpi = 0;
  detail::Record(flat::GdipGetImageVerticalResolution(handle_, &dpi));
  return dpi;
}

std::string GxImage::GetRawFormat() const {
  GUID format{};
  if (!detail::Record(flat::GdipGetImageRawFormat(handle_, &format))) return {};
  return GuidToText(format);
}

bool GxImage::RotateFlip(Gdiplus::RotateFlipType type) {
  return detail::Record(flat::GdipImageRotateFlip(handle_, type));
}

UINT GxImage::GetFrameCount(std::string_view dimension) const {
  const GUID guid = TextToGuid(dimension);
  UINT count = 0;
  detail::Record(flat::GdipImageGetFrameCount(handle_, &guid, &count));
  return count;
}

bool GxImage::SelectActiveFrame(std::string_view dimension, UINT index) {
  const GUID guid = TextToGuid(dimension);
  return detail::Record(flat::GdipImageSelectActiveFrame(handle_, &guid, index));
}

ByteBlob GxImage::GetPropertyItem(PROPID id) const {
  UINT size = 0;
  if (!detail::Record(flat::GdipGetPropertyItemSize(handle_, id, &size)) || size == 0) return {};
  // The item header is followed by the value it points to.
  std::vector<std::uint64_t> buffer((size + 7) / 8);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  if (!detail::Record(flat::GdipGetPropertyItem(handle_, id, size, item)) || !item->value) return {};
  const auto* value = static_cast<const std::uint8_t*>(item->value);
  return ByteBlob(value, value + item->length);
}

std::vector<std::uint32_t> GxImage::GetFrameDelays() const {
  constexpr PROPID kFrameDelay = 0x5100;
  const ByteBlob bytes = GetPropertyItem(kFrameDelay);
  std::vector<std::uint32_t> delays(bytes.size() / sizeof(std::uint32_t));
  if (!delays.empty()) std::memcpy(delays.data(), bytes.data(), delays.size() * sizeof(std::uint32_t));
  return delays;
}

ByteBlob GxImage::SaveToBytes(std::optional<std::string_view> format,
                              std::span<const EncoderParam> params) const {
  const std::string clsidText = FindEncoder(format ? std::string(*format) : GetRawFormat());
  if (clsidText.empty()) return {};
  const CLSID clsid = TextToGuid(clsidText);
  GxStream output;
  IStream* stream = output.CreateFromBytes({});
  if (!stream) return {};
  const detail::EncoderParameterBlock block(params);
  if (!detail::Record(flat::GdipSaveImageToStream(handle_, stream, &clsid, block.get()))) return {};
  return output.ReadBytes();
}

bool GxImage::SaveToFile(std::string_view fileName, std::string_view format,
                         std::span<const EncoderParam> params) const {
  const std::string clsidText = FindEncoder(format);
  if (clsidText.empty()) return false;
  const CLSID clsid = TextToGuid(clsidText);
  const detail::EncoderParameterBlock block(params);
  const std::wstring name = TextToWide(fileName);
  return detail::Record(flat::GdipSaveImageToFile(handle_, name.c_str(), &clsid, block.get()));
}

}  // namespace gx
