#include "skin/manager/skin_manager.h"

#include <objidl.h>
#include <gdiplus.h>

namespace skin {

SkinManager::SkinManager() { globals::themeBaseColour = GetSysColor(COLOR_BTNFACE); }

SkinManager::~SkinManager() {
  // appIcon comes from LoadIconA: a shared icon that must not be destroyed.
  globals::appIcon = nullptr;
  if (globals::gdiplusToken != 0) Gdiplus::GdiplusShutdown(globals::gdiplusToken);
  globals::gdiplusToken = 0;
}

namespace {

// Calls a copy, so a callback that destroys the window (and with it the
// record holding the callback) keeps running on valid storage.
void Invoke(const Callback& callback) {
  if (Callback call = callback) call();
}

void SendSysCommand(HWND window, WPARAM command) {
  SendMessageA(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace

void SkinManager::ActivateCaptionButton(int index, int button) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  CaptionButton* pressed = EntryAt(record->captionButtons, button);
  if (!pressed) return;
  switch (pressed->command) {
    case CaptionCommand::Close:
      SendSysCommand(record->hwnd, SC_CLOSE);
      break;
    case CaptionCommand::MaximizeRestore:
      // Alternates by the engine's own flag, whatever the window's real state.
      record->fullRepaint = 1;
      record->isMinimized = 0;
      if (record->isMaximized == 1) {
        record->isMaximized = 0;
        SendSysCommand(record->hwnd, SC_RESTORE);
      } else {
        record->isMaximized = 1;
        SendSysCommand(record->hwnd, SC_MAXIMIZE);
      }
      break;
    case CaptionCommand::Minimize:
      record->isMinimized = 1;
      SendSysCommand(record->hwnd, SC_MINIMIZE);
      break;
    case CaptionCommand::Help:
      Invoke(record->helpCallback);
      break;
    case CaptionCommand::MainMenu:
      Invoke(record->menuCallback);
      break;
    case CaptionCommand::Custom:
      Invoke(pressed->callback);
      break;
  }
}

namespace {

// Deletes the engine-made object stored in `name` on `window` and zeroes the
// property. The null brush stored by the colour answers is a stock object.
void DeleteStoredObject(HWND window, const char* name) {
  HGDIOBJ object = GetPropA(window, name);
  if (!object) return;
  if (object != GetStockObject(NULL_BRUSH)) DeleteObject(object);
  SetIntProp(window, name, 0);
}

// The pattern brushes (and their bitmaps) last handed to the window's edit
// boxes through WM_CTLCOLOREDIT.
void ReleaseEditBrushes(const SkinWindowRecord& record) {
  for (const EditSkinRecord& edit : record.editSkins) {
    if (!edit.hwnd) continue;
    DeleteStoredObject(edit.hwnd, kControlBrushBitmapProp);
    DeleteStoredObject(edit.hwnd, kControlBrushProp);
  }
}

// Frees the frame surface and the two caches. The frame bitmap is deleted
// once, from the record that made it; the window's "Ck_" properties that named
// the freed surface are zeroed so nothing later deletes a stale handle.
void ReleaseSurfaces(SkinWindowRecord& record) {
  record.surface.Release();
  for (const char* name : {kSurfaceDisplacedProp, kFrameBitmapProp}) {
    if (GetPropA(record.hwnd, name)) SetIntProp(record.hwnd, name, 0);
  }
  record.captionCache.Release();
  record.statusBarCache.Release();
}

}  // namespace

void SkinManager::ReleaseWindowSkin(HWND window) {
  WindowRegistry& registry = theWindowRegistry();
  if (int index = registry.IndexOf(window)) {
    SkinWindowRecord& record = *registry.At(index);
    ReleaseEditBrushes(record);
    ReleaseSurfaces(record);
    registry.Remove(index);
  }
  registry.Renumber();
}

}  // namespace skin
