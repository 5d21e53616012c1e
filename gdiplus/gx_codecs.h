// Image encoders: the list GDI+ offers, lookup of an encoder by image format,
// and the encoder parameters a save can carry. Formats and encoders are named
// by their braced GUID texts, as GDI+ reports them (upper case).
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gdiplus/gx_object.h"

namespace gx {

// GDI+ image-format GUIDs.
inline constexpr std::string_view kMemoryBmpFormat = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kGifFormat = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kIconFormat = "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";
// Encoder parameter: JPEG quality, one ULONG 0-100.
inline constexpr std::string_view kEncoderQuality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";

// One installed encoder, as GDI+ describes it.
struct EncoderInfo {
  std::string clsid;
  std::string formatId;
  std::string codecName;
  std::string dllName;
  std::string formatDescription;
  std::string filenameExtension;
  std::string mimeType;
  DWORD flags = 0;
  DWORD version = 0;
  DWORD signatureCount = 0;
  DWORD signatureSize = 0;
  std::vector<std::uint8_t> signaturePattern;
  std::vector<std::uint8_t> signatureMask;
};

// The installed encoders in GDI+'s order; empty when GDI+ cannot list them.
std::vector<EncoderInfo> GetImageEncoders();
// The CLSID text of the first encoder whose format text equals `formatId`
// exactly (letter case included); "" when there is none.
std::string FindEncoder(std::string_view formatId);

// One encoder parameter: its GUID text, and `count` values of GDI+ value
// type `type` at `value` (which must outlive the save).
struct EncoderParam {
  std::string_view guid;
  ULONG count = 1;
  ULONG type = 0;
  void* value = nullptr;
};

namespace detail {
// The GDI+ parameter block for a list of parameters.
class EncoderParameterBlock {
 public:
  explicit EncoderParameterBlock(std::span<const EncoderParam> params);
  // Null when there are no parameters (GDI+'s "none").
  const Gdiplus::EncoderParameters* get() const;

 private:
  std::vector<std::uint8_t> storage_;
};
}  // namespace detail

}  // namespace gx
