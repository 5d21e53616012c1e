#include "gdiplus/gx_font.h"

#include "gdiplus/gx_text.h"

namespace gx {

using detail::Record;

bool GxFontFamily::CreateFromName(std::string_view name) { return CreateFromName(TextToWide(name)); }

bool GxFontFamily::CreateFromName(const std::wstring& name) {
  Gdiplus::GpFontFamily* made = nullptr;
  return Adopt(flat::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &made), made);
}

std::string GxFontFamily::GetFamilyName() const { return WideToText(GetFamilyNameW()); }

std::wstring GxFontFamily::GetFamilyNameW() const {
  WCHAR name[LF_FACESIZE] = {};
  if (!Record(flat::GdipGetFamilyName(handle_, name, LANG_NEUTRAL))) return {};
  return name;
}

bool GxFont::Create(const GxFontFamily& family, REAL emSize, INT style, Gdiplus::Unit unit) {
  Gdiplus::GpFont* made = nullptr;
  return Adopt(flat::GdipCreateFont(family.GetNativeHandle(), emSize, style, unit, &made), made);
}

bool GxFont::Create(std::string_view familyName, REAL emSize, INT style, Gdiplus::Unit unit) {
  return Create(TextToWide(familyName), emSize, style, unit);
}

bool GxFont::Create(const std::wstring& familyName, REAL emSize, INT style, Gdiplus::Unit unit) {
  GxFontFamily family;
  if (!family.CreateFromName(familyName)) {
    const Status status = LastStatus();
    Release();
    return Record(status);
  }
  const bool created = Create(family, emSize, style, unit);
  const Status status = LastStatus();
  family.Release();
  // The caller learns how the font creation went, not the family's release.
  return Record(status) && created;
}

bool GxFont::CreateFromDC(HDC dc, HFONT font) {
  Gdiplus::GpFont* made = nullptr;
  LOGFONTA logFont{};
  if (font && GetObjectA(font, sizeof logFont, &logFont) != 0) {
    return Adopt(flat::GdipCreateFontFromLogfontA(dc, &logFont, &made), made);
  }
  return Adopt(flat::GdipCreateFontFromDC(dc, &made), made);
}

bool GxFont::GetFamily(GxFontFamily& family) const {
  Gdiplus::GpFontFamily* made = nullptr;
  const Status status = flat::GdipGetFamily(handle_, &made);
  family.SetNativeHandle(made);
  return Record(status);
}

INT GxFont::GetStyle() const {
  INT style = 0;
  Record(flat::GdipGetFontStyle(handle_, &style));
  return style;
}

REAL GxFont::GetSize() const {
  REAL size = 0;
  Record(flat::GdipGetFontSize(handle_, &size));
  return size;
}

bool GxStringFormat::Create(INT flags, LANGID language) {
  Gdiplus::GpStringFormat* made = nullptr;
  return Adopt(flat::GdipCreateStringFormat(flags, language, &made), made);
}

bool GxStringFormat::SetFlags(INT flags) {
  return Record(flat::GdipSetStringFormatFlags(handle_, flags));
}

bool GxStringFormat::SetAlign(Gdiplus::StringAlignment align) {
  return Record(flat::GdipSetStringFormatAlign(handle_, align));
}

bool GxStringFormat::SetLineAlign(Gdiplus::StringAlignment align) {
  return Record(flat::GdipSetStringFormatLineAlign(handle_, align));
}

bool GxStringFormat::SetTrimming(Gdiplus::StringTrimming trimming) {
  return Record(flat::GdipSetStringFormatTrimming(handle_, trimming));
}

}  // namespace gx
