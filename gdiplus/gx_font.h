// Text resources: GxFontFamily (a typeface among the installed fonts),
// GxFont (a family at a size and style) and GxStringFormat (alignment and
// layout of drawn text). Names are texts in the ANSI code page, or UTF-16.
#pragma once
#include <string>
#include <string_view>

#include "gdiplus/gx_object.h"

namespace gx {

class GxFontFamily : public GxObject<Gdiplus::GpFontFamily, flat::GdipDeleteFontFamily> {
 public:
  // The installed family of that name; fails with FontFamilyNotFound when
  // there is none.
  bool CreateFromName(std::string_view name);
  bool CreateFromName(const std::wstring& name);
  // The family's name (neutral language); "" on failure.
  std::string GetFamilyName() const;
  std::wstring GetFamilyNameW() const;
};

class GxFont : public GxObject<Gdiplus::GpFont, flat::GdipDeleteFont> {
 public:
  // `style` is a combination of Gdiplus::FontStyle bits.
  bool Create(const GxFontFamily& family, REAL emSize, INT style = Gdiplus::FontStyleRegular,
              Gdiplus::Unit unit = Gdiplus::UnitPoint);
  // Through a family of that name, released again afterwards.
  bool Create(std::string_view familyName, REAL emSize, INT style = Gdiplus::FontStyleRegular,
              Gdiplus::Unit unit = Gdiplus::UnitPoint);
  bool Create(const std::wstring& familyName, REAL emSize, INT style = Gdiplus::FontStyleRegular,
              Gdiplus::Unit unit = Gdiplus::UnitPoint);
  // The GDI font `font` as seen on `dc`; with no font (or one GetObject
  // cannot read), the font selected into `dc`.
  bool CreateFromDC(HDC dc, HFONT font = nullptr);

  // Makes `family` this font's family.
  bool GetFamily(GxFontFamily& family) const;
  // Gdiplus::FontStyle bits; 0 on failure.
  INT GetStyle() const;
  // The em size in the font's unit; 0 on failure.
  REAL GetSize() const;
};

class GxStringFormat : public GxObject<Gdiplus::GpStringFormat, flat::GdipDeleteStringFormat> {
 public:
  // `flags` are Gdiplus::StringFormatFlags bits.
  bool Create(INT flags = 0, LANGID language = LANG_NEUTRAL);
  bool SetFlags(INT flags);
  // Horizontal alignment.
  bool SetAlign(Gdiplus::StringAlignment align);
  // Vertical alignment.
  bool SetLineAlign(Gdiplus::StringAlignment align);
  bool SetTrimming(Gdiplus::StringTrimming trimming);
};

}  // namespace gx
