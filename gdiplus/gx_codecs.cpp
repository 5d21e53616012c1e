#include "gdiplus/gx_codecs.h"

#include <cstddef>
#include <cstring>

#include "gdiplus/gx_text.h"

namespace gx {

namespace {

std::string NarrowOrEmpty(const WCHAR* wide) { return wide ? WideToText(wide) : std::string(); }

std::vector<std::uint8_t> CopyBytes(const BYTE* bytes, std::size_t size) {
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

EncoderInfo Describe(const Gdiplus::ImageCodecInfo& codec) {
  const std::size_t patternBytes = std::size_t{codec.SigCount} * codec.SigSize;
  return EncoderInfo{
      .clsid = GuidToText(codec.Clsid),
      .formatId = GuidToText(codec.FormatID),
      .codecName = NarrowOrEmpty(codec.CodecName),
      .dllName = NarrowOrEmpty(codec.DllName),
      .formatDescription = NarrowOrEmpty(codec.FormatDescription),
      .filenameExtension = NarrowOrEmpty(codec.FilenameExtension),
      .mimeType = NarrowOrEmpty(codec.MimeType),
      .flags = codec.Flags,
      .version = codec.Version,
      .signatureCount = codec.SigCount,
      .signatureSize = codec.SigSize,
      .signaturePattern = CopyBytes(codec.SigPattern, patternBytes),
      .signatureMask = CopyBytes(codec.SigMask, patternBytes),
  };
}

}  // namespace

std::vector<EncoderInfo> GetImageEncoders() {
  UINT count = 0;
  UINT size = 0;
  if (!detail::Record(flat::GdipGetImageEncodersSize(&count, &size)) || count == 0) return {};
  // The codec records are followed by the strings and signatures they point to.
  std::vector<std::uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (!detail::Record(flat::GdipGetImageEncoders(count, size, codecs))) return {};
  std::vector<EncoderInfo> encoders;
  encoders.reserve(count);
  for (UINT i = 0; i < count; ++i) encoders.push_back(Describe(codecs[i]));
  return encoders;
}

std::string FindEncoder(std::string_view formatId) {
  for (const EncoderInfo& encoder : GetImageEncoders()) {
    if (encoder.formatId == formatId) return encoder.clsid;
  }
  return {};
}

detail::EncoderParameterBlock::EncoderParameterBlock(std::span<const EncoderParam> params) {
  std::vector<Gdiplus::EncoderParameter> entries;
  for (const EncoderParam& param : params) {
    entries.push_back(Gdiplus::EncoderParameter{
        TextToGuid(param.guid), param.count, param.type, param.value});
  }
  if (entries.empty()) return;
  // EncoderParameters is a count followed by a variable-length array.
  const std::size_t header = offsetof(Gdiplus::EncoderParameters, Parameter);
  const std::size_t body = entries.size() * sizeof(Gdiplus::EncoderParameter);
  storage_.resize(header + body);
  const UINT count = static_cast<UINT>(entries.size());
  std::memcpy(storage_.data(), &count, sizeof count);
  std::memcpy(storage_.data() + header, entries.data(), body);
}

const Gdiplus::EncoderParameters* detail::EncoderParameterBlock::get() const {
  if (storage_.empty()) return nullptr;
  return reinterpret_cast<const Gdiplus::EncoderParameters*>(storage_.data());
}

}  // namespace gx
