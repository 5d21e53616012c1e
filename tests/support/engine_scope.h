// The skin engine for a test: started as the installer starts it
// (ConstructEngineObjects, InitSkinModule) and ended with its exit routine
// when the scope closes. Only for tests that link the skin engine.
#pragma once
#include <windows.h>

#include "skin/manager/skin_manager.h"

namespace test {

class EngineScope {
 public:
  // PlainGrey gives the theme no picture and a grey base colour, so painted
  // surfaces have predictable pixels.
  enum class Theme { AsStarted, PlainGrey };

  explicit EngineScope(Theme theme = Theme::AsStarted) {
    skin::ConstructEngineObjects();
    skin::InitSkinModule();
    if (theme == Theme::PlainGrey) {
      skin::globals::themeImage.clear();
      skin::globals::themeMode = skin::kImageModeTiled;
      skin::globals::themeBaseColour = 0x808080;
    }
  }
  ~EngineScope() { skin::OnProcessExit(); }
  EngineScope(const EngineScope&) = delete;
  EngineScope& operator=(const EngineScope&) = delete;
};

// A window class whose procedure is DefWindowProcA, registered on first use:
// for the plain windows tests register or attach by hand.
inline const char* PlainWindowClass() {
  static const char* name = [] {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "TavrinPlainTestWindow";
    RegisterClassA(&cls);
    return cls.lpszClassName;
  }();
  return name;
}

}  // namespace test
