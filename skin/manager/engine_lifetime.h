// Start-up and shutdown of the skin engine's process-wide objects.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

class SkinManager;
class WindowRegistry;

// Constructs theSkinManager, then the empty WindowRegistry and
// MemorySurfaceList. Runs once at start-up, before the exit routine is
// registered and before InitSkinModule.
void ConstructEngineObjects();

// Starts GDI+ (version 1), loads the application icon (resource 129, else the
// icon group "DEFAULT_ICON") and sets the engine defaults. Returns 0.
int InitSkinModule();

// GdiplusStartup with the requested version (default 1), no debug callback,
// the background thread and external codecs not suppressed. Returns the token
// (0 when start-up failed).
ULONG_PTR StartGdiPlus(std::optional<UINT32> version = std::nullopt);

// The exit routine, in this order: destroys theSkinManager (which shuts GDI+
// down), frees every window record, the surface list and the theme image.
// No window is touched: no procedure is restored, no property removed.
void OnProcessExit();

// The process's skin manager; valid from ConstructEngineObjects to OnProcessExit.
SkinManager& theSkinManager();
WindowRegistry& theWindowRegistry();

}  // namespace skin
