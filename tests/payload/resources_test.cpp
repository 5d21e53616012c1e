// The installer exe carries its payload, background, agreement, icon and
// manifest as resources with the exact bytes the wizard and installer use.
#include <doctest.h>
#include <objidl.h>
#include <shlwapi.h>
#include <windows.h>
#include <gdiplus.h>

#include <algorithm>
#include <string_view>

#include "installer_module.h"

namespace {

const LPCSTR kRcData = MAKEINTRESOURCEA(10);
const LPCSTR kGroupIcon = MAKEINTRESOURCEA(14);
const LPCSTR kIcon = MAKEINTRESOURCEA(3);
const LPCSTR kManifest = MAKEINTRESOURCEA(24);

std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Width and height of an image decoded by GDI+; 0 x 0 when it does not decode.
SIZE DecodedSize(std::span<const std::uint8_t> bytes) {
  SIZE size{};
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return size;
  if (IStream* stream = SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()))) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
      UINT width = 0, height = 0;
      Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width);
      Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height);
      size = {static_cast<LONG>(width), static_cast<LONG>(height)};
      Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }
    stream->Release();
  }
  Gdiplus::GdiplusShutdown(token);
  return size;
}

}  // namespace

TEST_CASE("each payload program is embedded padded to its installed size") {
  test::InstallerModule installer;
  REQUIRE(installer.handle());
  for (const auto& program : test::kPayloadPrograms) {
    CAPTURE(program.file);
    auto resource = installer.Bytes(MAKEINTRESOURCEA(program.id), kRcData);
    CHECK(resource.size() == program.size);
    CHECK(AsText(resource).starts_with("MZ"));
    auto file = test::ReadWholeFile(test::PayloadBuildFile(program.file));
    CHECK(file.size() == program.size);
    CHECK(std::ranges::equal(resource, file));
  }
}

TEST_CASE("the background is a 408x398 JFIF JPEG of 177951 bytes that GDI+ decodes") {
  test::InstallerModule installer;
  auto jpeg = installer.Bytes(MAKEINTRESOURCEA(210), kRcData);
  REQUIRE(jpeg.size() == 177951);
  CHECK(AsText(jpeg).starts_with("\xFF\xD8\xFF\xE0"));
  CHECK(AsText(jpeg).ends_with("\xFF\xD9"));
  SIZE size = DecodedSize(jpeg);
  CHECK(size.cx == 408);
  CHECK(size.cy == 398);
}

TEST_CASE("the agreement is 3381 bytes of GBK text in 51 lines separated by CR LF") {
  test::InstallerModule installer;
  std::string_view text = AsText(installer.Bytes(MAKEINTRESOURCEA(211), kRcData));
  REQUIRE(text.size() == 3381);
  std::size_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      CAPTURE(i);
      // Every line break is a CR LF pair; there is none after the last line.
      REQUIRE(text.substr(i, 2) == "\r\n");
      REQUIRE(i + 2 < text.size());
      ++lines;
      ++i;
    }
  }
  CHECK(lines == 51);
  CHECK(text.find('\0') == std::string_view::npos);
  CHECK(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                            nullptr, 0) > 0);
}

TEST_CASE("the icon groups hold 48, 32 and 16 pixel icons that Windows can load") {
  test::InstallerModule installer;
  for (LPCSTR group_name : {static_cast<LPCSTR>(MAKEINTRESOURCEA(129)), static_cast<LPCSTR>("DEFAULT_ICON")}) {
    CAPTURE(IS_INTRESOURCE(group_name) ? "129" : group_name);
    auto group = installer.Bytes(group_name, kGroupIcon);
    // Icon directory: reserved, type 1, count; then 14-byte entries whose
    // first byte is the width (0 meaning 256) and last two bytes the icon id.
    REQUIRE(group.size() >= 6);
    const std::size_t count = group[4] | group[5] << 8;
    REQUIRE(group.size() == 6 + 14 * count);
    std::vector<int> widths;
    for (std::size_t i = 0; i < count; ++i) widths.push_back(group[6 + 14 * i]);
    std::ranges::sort(widths);
    CHECK(widths == std::vector<int>{16, 32, 48});

    for (int width : {16, 32, 48}) {
      CAPTURE(width);
      int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.data()), TRUE, width, width, LR_DEFAULTCOLOR);
      auto image = installer.Bytes(MAKEINTRESOURCEA(id), kIcon);
      REQUIRE(!image.empty());
      HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                            TRUE, 0x00030000, width, width, LR_DEFAULTCOLOR);
      CHECK(icon);
      ICONINFO info{};
      if (icon && GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == width);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
      }
      if (icon) DestroyIcon(icon);
    }
  }
}

TEST_CASE("the manifest asks for administrator rights and common controls 6") {
  test::InstallerModule installer;
  std::string_view manifest = AsText(installer.Bytes(MAKEINTRESOURCEA(1), kManifest));
  CHECK(manifest.find(R"(level="requireAdministrator")") != std::string_view::npos);
  CHECK(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")") !=
        std::string_view::npos);
  // Windows 10 and 11, the last of the supported systems.
  CHECK(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}") != std::string_view::npos);
}
