// The full render of a skinned window's frame into its background surface,
// and showing that surface on screen.
#include <optional>

#include "skin/controls/colour_paths.h"
#include "skin/controls/window_utils.h"
#include "skin/manager/frame_drawing.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

// Rounds the window's corners: the region is dropped, the frame recomputed,
// and a rounded rectangle one pixel larger than the client set.
void ApplyRoundedRegion(HWND window) {
  SetWindowRgn(window, nullptr, TRUE);
  // SWP_NOACTIVATE: a render (for instance after a theme change) must not
  // take activation from a message box that is open over the window.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const SIZE size = ClientSize(window);
  HRGN region = CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 5, 5);
  // The system owns the region once SetWindowRgn accepts it.
  if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

// Replaces `cache` with a copy of the surface's rectangle `rect`.
void RebuildCache(MemorySurface& cache, HDC surface, const RECT& rect) {
  cache.Release();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  cache.SelectBitmap(CreateSurfaceBitmap(width, height));
  BitBlt(cache.dc(), 0, 0, width, height, surface, rect.left, rect.top, SRCCOPY);
}

// The background picture to draw and how: the window's own when it has one,
// else the theme's.
struct BackgroundPicture {
  gx::GxImage image;
  int mode = 0;
};

std::optional<BackgroundPicture> PrepareBackgroundImage(const SkinWindowRecord& record) {
  const bool own = !record.backgroundImage.empty();
  const ByteBlob& bytes = own ? record.backgroundImage : globals::themeImage;
  if (bytes.empty()) return std::nullopt;
  BackgroundPicture picture;
  if (!picture.image.LoadFromBytes(bytes)) return std::nullopt;
  picture.mode = own ? record.imageMode : globals::themeMode;
  return picture;
}

// Draws the picture's w x h pixels into `box` one to one or scaled.
void DrawWhole(gx::GxGraphics& graphics, const gx::GxImage& image, const gx::RectF& box) {
  const gx::RectF source(0, 0, static_cast<gx::REAL>(image.GetWidth()),
                         static_cast<gx::REAL>(image.GetHeight()));
  graphics.DrawImageRectRect(image, box, source);
}

void DrawBackgroundPicture(gx::GxGraphics& graphics, const BackgroundPicture& picture,
                           SIZE client) {
  const auto W = static_cast<gx::REAL>(client.cx), H = static_cast<gx::REAL>(client.cy);
  const auto w = static_cast<gx::REAL>(picture.image.GetWidth());
  const auto h = static_cast<gx::REAL>(picture.image.GetHeight());
  switch (picture.mode) {
    case kImageModeTopLeft:
      DrawWhole(graphics, picture.image, {0, 0, w, h});
      break;
    case kImageModeTopRight:
      DrawWhole(graphics, picture.image, {W - w, 0, w, h});
      break;
    case kImageModeCentred:
      DrawWhole(graphics, picture.image, {(W - w) / 2, (H - h) / 2, w, h});
      break;
    case kImageModeStretched:
      DrawWhole(graphics, picture.image, {0, 0, W, H});
      break;
    case kImageModeTiled: {
      // One band of copies side by side, drawn at the top-left corner.
      gx::GxBitmap band;
      if (!band.CreateFromScan0(client.cx, static_cast<INT>(h), 0, PixelFormat32bppARGB)) break;
      gx::GxGraphics tiles;
      tiles.CreateFromImage(band);
      for (gx::REAL x = 0; x < W; x += w) DrawWhole(tiles, picture.image, {x, 0, w, h});
      tiles.Release();
      DrawWhole(graphics, band, {0, 0, W, h});
      break;
    }
    default:
      break;
  }
}

}  // namespace

void SkinManager::RenderFrame(int index, std::optional<HDC> dc) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  HWND window = record->hwnd;
  ApplyRoundedRegion(window);
  const SIZE client = ClientSize(window);

  // Every render draws into a new frame bitmap; the surface deletes the one
  // it replaces. The object displaced by the first one is kept for clean-up.
  MemorySurface& surface = record->surface;
  surface.SelectBitmap(CreateSurfaceBitmap(client.cx, client.cy));
  if (!GetPropA(window, kSurfaceDisplacedProp)) {
    SetPropA(window, kSurfaceDisplacedProp, surface.displaced());
  }
  SetPropA(window, kFrameBitmapProp, surface.bitmap());

  {
    gx::GxGraphics graphics;
    graphics.CreateFromHDC(surface.dc());
    PaintBackground(graphics, index);
    // The caches hold the background before title, buttons and panes.
    if (record->captionEnabled) {
      PaintBorder(index, graphics);
      graphics.Flush(Gdiplus::FlushIntentionSync);
      RebuildCache(record->captionCache, surface.dc(), {0, 0, client.cx, record->captionHeight});
    }
    graphics.Flush(Gdiplus::FlushIntentionSync);
    RebuildCache(record->statusBarCache, surface.dc(), record->statusBarRect);
    if (record->captionEnabled) {
      if (record->drawCaptionText) DrawCaptionTitle(index, std::nullopt, &graphics);
      for (int button = 1; button <= static_cast<int>(record->captionButtons.size()); ++button) {
        DrawCaptionButton(index, button, 0, 0, &graphics);
      }
    }
    if (record->statusBarHeight > 0) {
      for (int pane = 1; pane <= static_cast<int>(record->statusPanes.size()); ++pane) {
        DrawStatusPane(index, pane, &graphics);
      }
    }
  }

  if (dc) {
    if (*dc) ReleaseDC(window, *dc);
    ShowSurfaceRect(window, surface.dc(), 0, 0, client.cx, client.cy, true);
  }
  record->fullRepaint = 0;
  if (dc && !globals::firstSizePending) InvalidateSkinnedChildren(index);
}

void SkinManager::PresentFrame(int index, HDC dc) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  RECT frame{};
  GetWindowRect(record->hwnd, &frame);
  HDC target = GetDcExcludingChildren(record->hwnd, dc);
  BitBlt(target, 0, 0, frame.right - frame.left, frame.bottom - frame.top, record->surface.dc(),
         0, 0, SRCCOPY);
  ReleaseDC(record->hwnd, target);
}

void SkinManager::PaintBackground(gx::GxGraphics& graphics, int index) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const SIZE client = ClientSize(record->hwnd);
  const auto W = static_cast<gx::REAL>(client.cx), H = static_cast<gx::REAL>(client.cy);

  // Only the corners outside the rounded shape keep the magenta; they lie
  // outside the window region as well.
  graphics.Clear(ToGdiPlusColor(kMagenta, 255, true));
  gx::GxPath shape;
  shape.Create();
  AddRoundedRect(shape, 0, 0, W, H, 4);
  graphics.SetClipPath(shape);

  const bool ownPicture = !record->backgroundImage.empty();
  gx::GxSolidBrush fill;
  fill.Create(ToGdiPlusColor(ownPicture ? record->baseColour : globals::themeBaseColour, 255, true));
  graphics.FillPath(fill, shape);
  if (auto picture = PrepareBackgroundImage(*record)) {
    DrawBackgroundPicture(graphics, *picture, client);
  }
  if (record->captionGloss) {
    const auto band = static_cast<gx::REAL>(record->captionHeight);
    gx::GxBrush gloss = VerticalGradient(0, 0, band, ToGdiPlusColor(kWhite, 150, true),
                                         ToGdiPlusColor(kWhite, 0, true));
    graphics.FillRectangle(gloss, 0, 0, W, band);
  }
}

void SkinManager::PaintBorder(int index, gx::GxGraphics& graphics) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  const SIZE client = ClientSize(record->hwnd);
  const auto W = static_cast<gx::REAL>(client.cx), H = static_cast<gx::REAL>(client.cy);
  const struct {
    gx::REAL inset;
    int corner;
    COLORREF colour;
  } outlines[] = {{0, 7, kBlack}, {1, 6, kWhite}};
  for (const auto& outline : outlines) {
    gx::GxPath path;
    path.Create();
    const gx::REAL i = outline.inset;
    AddRoundedRect(path, i, i, W - 1 - 2 * i, H - 1 - 2 * i, outline.corner);
    gx::GxPen pen;
    pen.Create(ToGdiPlusColor(outline.colour, 180, true), 1);
    graphics.DrawPath(pen, path);
  }
}

void SkinManager::InvalidateSkinnedChildren(int index) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  HWND window = record->hwnd;
  const auto invalidate = [window](const auto& list, BOOL erase) {
    for (const auto& entry : list) {
      if (entry.hwnd && GetParent(entry.hwnd) == window) InvalidateRect(entry.hwnd, nullptr, erase);
    }
  };
  invalidate(record->listSkins, TRUE);
  for (const ListSkinRecord& list : record->listSkins) {
    if (list.hwnd && GetParent(list.hwnd) == window) InvalidateVisibleChildren(list.hwnd);
  }
  invalidate(record->comboSkins, TRUE);
  invalidate(record->editSkins, TRUE);
  invalidate(record->buttonSkins, FALSE);
  invalidate(record->trackBarSkins, FALSE);
  invalidate(record->progressSkins, FALSE);
  invalidate(record->updownSkins, FALSE);
}

}  // namespace skin
