#include "skin/manager/engine_lifetime.h"

#include <objidl.h>
#include <gdiplus.h>

#include <optional>

#include "skin/controls/memory_surface_list.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

std::optional<SkinManager>& SkinManagerStorage() {
  static std::optional<SkinManager> manager;
  return manager;
}

}  // namespace

SkinManager& theSkinManager() { return *SkinManagerStorage(); }

WindowRegistry& theWindowRegistry() {
  static WindowRegistry registry;
  return registry;
}

void ConstructEngineObjects() {
  SkinManagerStorage().emplace();
  theWindowRegistry().Clear();
  theMemorySurfaceList().clear();
}

ULONG_PTR StartGdiPlus(std::optional<UINT32> version) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = version.value_or(1);
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  return token;
}

int InitSkinModule() {
  globals::gdiplusToken = StartGdiPlus();
  HMODULE module = GetModuleHandleA(nullptr);
  globals::appIcon = LoadIconA(module, MAKEINTRESOURCEA(129));
  if (!globals::appIcon) globals::appIcon = LoadIconA(module, "DEFAULT_ICON");
  globals::firstSizePending = 1;
  globals::ControlsSkinned = 1;
  globals::EditPanelAlpha = 160;
  globals::accentColour = 0xDDCA22;
  globals::trackBarOption = 1;
  return 0;
}

void OnProcessExit() {
  SkinManagerStorage().reset();
  theWindowRegistry().Clear();
  MemorySurfaceList().swap(theMemorySurfaceList());
  ByteBlob().swap(globals::themeImage);
}

}  // namespace skin
