#include "gdiplus/gx_text.h"

#include <objbase.h>

namespace gx {

std::wstring TextToWide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string WideToText(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(length, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::string GuidToText(const GUID& guid) {
  wchar_t buffer[39] = {};
  StringFromGUID2(guid, buffer, 39);
  return WideToText(buffer);
}

GUID TextToGuid(std::string_view text) {
  GUID guid{};
  const std::wstring wide = TextToWide(text);
  if (FAILED(CLSIDFromString(wide.c_str(), &guid))) return GUID_NULL;
  return guid;
}

}  // namespace gx
