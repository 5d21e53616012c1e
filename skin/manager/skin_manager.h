// The window skin manager: the SkinManager object through which an
// application skins its top-level windows, the registry of skinned windows
// and their records, the engine's process-wide state and its start-up and
// shutdown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gdiplus/gdiplus_layer.h"
#include "skin/manager/engine_globals.h"
#include "skin/manager/engine_lifetime.h"
#include "skin/manager/theme.h"
#include "skin/manager/window_properties.h"
#include "skin/manager/window_record.h"
#include "skin/manager/window_registry.h"

namespace skin {

// What SetStatusBarStyle sets; a field left out takes the default named here.
struct StatusBarStyle {
  std::optional<int> invertText;  // default 1: text in the inverse of the base colour
  std::optional<int> glowText;  // default 0
  std::optional<COLORREF> glowTextColour;  // default 0 (black)
  std::optional<COLORREF> glowColour;  // default 0xFFFFFF
  std::optional<std::string> fontName;  // default: unchanged
  std::optional<int> fontSize;  // default: unchanged
};

// What AttachWindow may be given; what is left out takes the default named
// here.
struct AttachOptions {
  std::optional<int> captionHeight;  // default 25; anything below 25 becomes 25
  std::optional<int> captionEnabled;  // default 1
  std::optional<int> resizable;  // default 1
  std::optional<int> showHelpButton;  // default 0
  std::optional<int> showMenuButton;  // default 0
  std::optional<int> drawCaptionText;  // default 1
  std::optional<int> captionGloss;  // default 0
  std::optional<int> statusBarHeight;  // default 0: no status bar
  // Default: one pane covering the bar.
  std::optional<std::span<const StatusPane>> statusPanes;
  // The window's own background picture; empty = drawn with the theme image.
  std::span<const std::uint8_t> windowImage;
  std::optional<int> imageMode;  // default: the theme's mode
};

// The window procedure AttachWindow installs on every skinned window; it
// hands each message to theSkinManager().HandleWindowMessage.
LRESULT CALLBACK SkinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The process has exactly one, theSkinManager(). Operations that take a
// window index do nothing for an index that names no record.
class SkinManager {
 public:
  // Reads the theme's base colour (the system's button-face colour).
  SkinManager();
  // Shuts GDI+ down (unless it never started).
  ~SkinManager();
  SkinManager(const SkinManager&) = delete;
  SkinManager& operator=(const SkinManager&) = delete;

  // Performs the command of caption button `button` (1-based) of window
  // `index`: close, maximise/restore, minimise, or the help, main-menu or
  // custom callback. Out-of-range buttons do nothing.
  void ActivateCaptionButton(int index, int button);

  // On the window's WM_NCDESTROY: frees the window's record with the GDI
  // objects the engine made for it, then rewrites the stored indices of the
  // remaining windows and their controls. For a window with no record it only
  // renumbers. No window procedure is restored.
  void ReleaseWindowSkin(HWND window);

  // --- Attaching a window (attach_window.cpp) ---

  // Skins top-level window `window`: registers its record (caption buttons
  // for its style, tooltips, status bar), attaches its direct child
  // controls, adds WS_SYSMENU and subclasses it with SkinnedWindowProc. A
  // window already registered is left as it is.
  void AttachWindow(HWND window, const AttachOptions& options = {});

  // --- Skinned window procedure (skinned_window_proc.cpp and companions) ---

  // The body of SkinnedWindowProc: handles the messages of a skinned window
  // and passes everything else to the procedure attaching replaced.
  LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // 1-based caption button of window `index` strictly containing (x, y), else 0.
  int HitTestCaptionButton(int index, int x, int y);
  // Position of the first maximise/restore caption button, else 0.
  int FindMaximizeButton(int index);
  // The point in `lParam` lies over the caption-button strip, the area the
  // hover fade timer runs for.
  bool PointInButtonStrip(int index, LPARAM lParam);
  // For a left-button press at `lParam`: starts the system's move loop from
  // the caption band or its size loop from a frame edge or corner.
  void BeginMoveOrSize(int index, LPARAM lParam, const RECT& client);
  // Shows the sizing cursor when `lParam` lies on a frame edge or corner.
  void UpdateSizeCursor(int index, LPARAM lParam, const RECT& client);
  // Stretches the window's docked child windows over the client area.
  void LayoutDockedPanels(int index);

  // --- Theme (theme.cpp) ---

  // Sets the process-wide theme from a picture file (`fileName`, wins when
  // not empty) or picture bytes, and repaints every visible skinned window.
  // The accent becomes `accent` (0xDDCA22 when not given) unless it is
  // kAccentFollowsBase, which makes it the new base colour. The base colour
  // is `baseColour` or the picture's sampled colour; the mode is `mode` or 4,
  // modes 0 and 1 store the picture with faded edges. Only a base colour
  // empties the theme picture and keeps the mode; nothing at all changes
  // nothing but the accent.
  void SetBackground(std::string_view fileName, std::span<const std::uint8_t> bytes,
                     std::optional<COLORREF> baseColour = std::nullopt,
                     std::optional<COLORREF> accent = std::nullopt,
                     std::optional<int> mode = std::nullopt);
  // Invalidates every skinned header control of window `index`.
  void InvalidateHeaders(int index);

  // --- Frame (frame_render.cpp) ---

  // Renders the whole frame of window `index` into its background surface:
  // rounded region, background, border, caption and status-bar caches, title,
  // caption buttons, status panes. With `dc` the result is also shown: `dc`
  // (when not null) is released with ReleaseDC and the surface is copied
  // through a fresh context that leaves the children out; the skinned child
  // controls are then invalidated unless the first WM_SIZE is still pending.
  void RenderFrame(int index, std::optional<HDC> dc = std::nullopt);
  // Copies the background surface to the window through `dc` with the
  // children clipped out, then releases `dc` with ReleaseDC.
  void PresentFrame(int index, HDC dc);
  // Magenta outside the rounded shape; inside, the background colour, the
  // picture by its mode, and the caption gloss.
  void PaintBackground(gx::GxGraphics& graphics, int index);
  // The dark outer and light inner rounded outlines.
  void PaintBorder(int index, gx::GxGraphics& graphics);
  // Invalidates the skinned controls that are direct children of the window.
  void InvalidateSkinnedChildren(int index);

  // --- Caption buttons (caption_buttons.cpp) ---

  // Places the button strip at the client's right edge and every caption
  // button in it (27 pixels apart, 26 wide, the close button 40), and moves
  // the buttons' tooltip tools (ids 1..n) and their texts along.
  void LayoutCaptionButtons(int index);
  // Draws caption button `button` (1-based). Into `graphics` on the surface
  // when given; otherwise on the surface and then to the screen. Pressed
  // draws the pushed look (always shown at once); otherwise the normal look
  // with the hover glow at `intensity` (0..240).
  void DrawCaptionButton(int index, int button, int pressed = 0, int intensity = 0,
                         gx::GxGraphics* graphics = nullptr);
  void DrawButtonGlow(gx::GxGraphics& graphics, int index, int button, int intensity);
  void PaintButtonSeparators(int index, int button, gx::GxGraphics& graphics);
  // Copies `rect` from the caption cache back into the surface.
  void RestoreCaptionBackground(int index, const RECT& rect);

  // --- Caption title (caption_title.cpp) ---

  // Draws the application icon and the title (`text`, else the window's
  // text). Into `graphics` when given; otherwise over the cached caption
  // background, then to the screen.
  void DrawCaptionTitle(int index, std::optional<std::string_view> text = std::nullopt,
                        gx::GxGraphics* graphics = nullptr);

  // --- Status bar (status_bar.cpp) ---

  // Gives window `index` a bottom bar `height` pixels high with these panes
  // (none given: one pane covering the bar). A pane of width -1 takes the
  // rest of the bar.
  void SetupStatusBar(int index, int height,
                      std::optional<std::span<const StatusPane>> panes = std::nullopt);
  // Places the bar and its panes for the current client size; -1 panes
  // stretch, fixed panes keep their widths.
  void LayoutStatusBar(int index);
  // Copies `rect` (client coordinates) from the status-bar cache back into
  // the surface.
  void RestoreStatusBarBackground(int index, const RECT& rect);
  // Draws pane `pane` (1-based): into `graphics` when given, otherwise over
  // the cached bar background and then to the screen.
  void DrawStatusPane(int index, int pane, gx::GxGraphics* graphics = nullptr);
  // Sets pane `pane`'s text (and icon and colour when given) and shows it.
  // 0 when the window is not skinned or the pane does not exist, else 1.
  int SetStatusPane(HWND window, int pane, std::string_view text,
                    std::optional<std::span<const std::uint8_t>> icon = std::nullopt,
                    std::optional<COLORREF> colour = std::nullopt);
  // Stores the status bar's text style (see StatusBarStyle for the defaults
  // of what is left out); nothing is redrawn. 0 when the window's "Hw_lbID"
  // names no record, else 1.
  int SetStatusBarStyle(HWND window, const StatusBarStyle& style = {});

  // Width of the drawn frame: 0 until the first attach, which sets 3.
  int frameBorder = 0;
  // Caption button found by the latest hit test in any skinned window.
  int hotButton = 0;

 private:
  // Renders, invalidates and repaints every visible skinned window after the
  // theme changed.
  void RepaintVisibleWindows();
};

}  // namespace skin
