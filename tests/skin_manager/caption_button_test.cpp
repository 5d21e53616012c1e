// ActivateCaptionButton: the command of each caption button.
#include <doctest.h>
#include <windows.h>

#include <vector>

#include "engine_fixture.h"
#include "skin/manager/skin_manager.h"

using skin::CaptionCommand;

namespace {

std::vector<WPARAM> sysCommands;

// Records WM_SYSCOMMAND and consumes it, so the window's real state never
// changes; releases the skin on WM_NCDESTROY as the skinned procedure does.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      sysCommands.push_back(wParam);
      return 0;
    case WM_NCDESTROY:
      skin::theSkinManager().ReleaseWindowSkin(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A registered window whose caption holds, in this order: help, main menu,
// minimise, maximise, close and one custom button.
struct CaptionFixture : test::EngineFixture {
  test::TestWindow window;
  skin::SkinWindowRecord* record;
  int helpCalls = 0, menuCalls = 0, customCalls = 0;

  CaptionFixture() {
    SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc));
    record = &test::RegisterWindow(window.hwnd);
    record->captionButtons.clear();
    for (CaptionCommand command : {CaptionCommand::Help, CaptionCommand::MainMenu,
                                   CaptionCommand::Minimize, CaptionCommand::MaximizeRestore,
                                   CaptionCommand::Close, CaptionCommand::Custom}) {
      record->captionButtons.emplace_back().command = command;
    }
    record->helpCallback = [this] { ++helpCalls; };
    record->menuCallback = [this] { ++menuCalls; };
    record->captionButtons[5].callback = [this] { ++customCalls; };
    sysCommands.clear();
  }

  void Press(int button) { skin::theSkinManager().ActivateCaptionButton(1, button); }
};

constexpr int kHelp = 1, kMenu = 2, kMinimize = 3, kMaximize = 4, kClose = 5, kCustom = 6;

}  // namespace

TEST_CASE_FIXTURE(CaptionFixture, "close and minimise send their system commands") {
  Press(kClose);
  CHECK(sysCommands == std::vector<WPARAM>{SC_CLOSE});
  Press(kMinimize);
  CHECK(sysCommands == std::vector<WPARAM>{SC_CLOSE, SC_MINIMIZE});
  CHECK(record->isMinimized == 1);
}

TEST_CASE_FIXTURE(CaptionFixture, "maximise alternates by isMaximized alone") {
  struct Step {
    int isMaximizedBefore;
    WPARAM sent;
    int isMaximizedAfter;
  } steps[] = {{0, SC_MAXIMIZE, 1}, {1, SC_RESTORE, 0}, {0, SC_MAXIMIZE, 1}};
  for (const Step& step : steps) {
    CAPTURE(step.isMaximizedBefore);
    REQUIRE(record->isMaximized == step.isMaximizedBefore);
    record->isMinimized = 1;
    record->fullRepaint = 0;
    sysCommands.clear();
    Press(kMaximize);
    CHECK(sysCommands == std::vector<WPARAM>{step.sent});
    CHECK(record->isMaximized == step.isMaximizedAfter);
    CHECK(record->isMinimized == 0);
    CHECK(record->fullRepaint == 1);
  }
  // The window itself was never maximised: the flag alone decides.
  CHECK_FALSE(IsZoomed(window.hwnd));
}

TEST_CASE_FIXTURE(CaptionFixture, "help, main menu and custom buttons call their callbacks") {
  Press(kHelp);
  Press(kMenu);
  Press(kCustom);
  Press(kCustom);
  CHECK(helpCalls == 1);
  CHECK(menuCalls == 1);
  CHECK(customCalls == 2);
  CHECK(sysCommands.empty());

  record->helpCallback = nullptr;
  record->menuCallback = nullptr;
  record->captionButtons[5].callback = nullptr;
  Press(kHelp);
  Press(kMenu);
  Press(kCustom);
  CHECK(helpCalls == 1);
  CHECK(menuCalls == 1);
  CHECK(customCalls == 2);
}

TEST_CASE_FIXTURE(CaptionFixture, "buttons and windows out of range do nothing") {
  for (int button : {0, -1, 7, 100}) {
    CAPTURE(button);
    Press(button);
  }
  skin::theSkinManager().ActivateCaptionButton(2, kClose);
  skin::theSkinManager().ActivateCaptionButton(0, kClose);
  CHECK(sysCommands.empty());
  CHECK(helpCalls + menuCalls + customCalls == 0);
  CHECK(record->isMaximized == 0);
}

TEST_CASE_FIXTURE(CaptionFixture, "a callback may destroy the window and free its record") {
  HWND hwnd = window.hwnd;
  record->helpCallback = [hwnd, this] {
    DestroyWindow(hwnd);
    ++helpCalls;  // still running after the record that held it is gone
  };
  Press(kHelp);
  CHECK(helpCalls == 1);
  CHECK(skin::theWindowRegistry().Size() == 0);
}
