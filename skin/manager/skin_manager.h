// The window skin manager: the SkinManager object through which an
// application skins its top-level windows, the registry of skinned windows
// and their records, the engine's process-wide state and its start-up and
// shutdown.
#pragma once
#include <windows.h>

#include "skin/manager/engine_globals.h"
#include "skin/manager/engine_lifetime.h"
#include "skin/manager/window_properties.h"
#include "skin/manager/window_record.h"
#include "skin/manager/window_registry.h"

namespace skin {

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

  // Width of the drawn frame: 0 until the first attach, which sets 3.
  int frameBorder = 0;
  // Caption button found by the latest hit test in any skinned window.
  int hotButton = 0;
};

}  // namespace skin
