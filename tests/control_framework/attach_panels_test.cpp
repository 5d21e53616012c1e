// Panels, backdrop controls and toolbars: records, properties, the order of
// the installed procedures.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/control_framework.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

INT_PTR Prop(HWND window, const char* name) { return GetIntProp(window, name); }

}  // namespace

TEST_CASE("a panel is recorded once, with its children attached into the owner's lists") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND panel = test::Container(window.hwnd, 10, 10, 150, 100);
  HWND button = test::Child(panel, "Button", BS_PUSHBUTTON);
  INT_PTR panelProc = test::ProcOf(panel);

  AttachPanel(panel, {.overlayColour = 0xFFFFFF, .overlayAlpha = 128});
  AttachPanel(panel, {.overlayColour = 0x123456});

  const auto& panels = window.record().panels;
  REQUIRE(panels.size() == 1);
  const PanelSkinRecord& record = panels[0];
  CHECK(record.hwnd == panel);
  CHECK(record.overlayColour == 0xFFFFFF);
  CHECK(record.overlayAlpha == 128);
  CHECK(record.panelStyle == 0);
  CHECK(record.shadeDescendants == 1);
  CHECK(record.subclassed == 1);
  CHECK(record.isGroupBox == 0);
  CHECK(record.fontFace.empty());
  CHECK(test::Addr(record.prevProc) == panelProc);
  CHECK(test::ProcOf(panel) == test::Addr(PanelSkinProc));
  CHECK(Prop(panel, kIndexProp) == 1);
  CHECK(Prop(panel, kOwnerIndexProp) == window.index);
  CHECK(Prop(panel, kPrevProcProp) == panelProc);
  CHECK(Prop(panel, kTabAncestorProp) == 0);
  CHECK(window.record().buttonSkins[0].hwnd == button);
  CHECK(Prop(button, kOwnerIndexProp) == window.index);
}

TEST_CASE("defaults of a panel with nothing given, and a group box's font") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND group = test::Child(window.hwnd, "Button", BS_GROUPBOX, 10, 10, 150, 100, "分组");
  LOGFONTA description{};
  description.lfHeight = -14;
  description.lfWeight = FW_BOLD;
  description.lfItalic = TRUE;
  lstrcpyA(description.lfFaceName, "宋体");
  HFONT font = CreateFontIndirectA(&description);
  SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  AttachPanel(group);

  const PanelSkinRecord& record = window.record().panels[0];
  CHECK(record.overlayColour == 0);
  CHECK(record.overlayAlpha == 255);
  CHECK(record.shadeDescendants == 1);
  CHECK(record.isGroupBox == 1);
  CHECK_FALSE(record.fontFace.empty());
  CHECK(record.fontSize > 0);
  CHECK(record.fontStyle == (Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic));
  // The group box keeps using its font.
  CHECK(GetObjectType(font) == OBJ_FONT);
  DestroyWindow(group);
  DeleteObject(font);
}

TEST_CASE("a panel without a skinned owner is not recorded") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND stray = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND inside = test::Container(stray, 0, 0, 40, 40);
  AttachPanel(inside);
  AttachBackdropControl(inside, std::nullopt, 0, 0);
  CHECK(GetPropA(inside, kPrevProcProp) == nullptr);
  CHECK(GetPropA(inside, kBackdropPrevProcProp) == nullptr);
  DestroyWindow(stray);
}

TEST_CASE("a panel inside a skinned tab records the tab in Mb_zpf") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND tab = test::Container(window.hwnd, 0, 0, 190, 140);
  SetIntProp(tab, kSkinnedTabProp, 1);
  HWND panel = test::Container(tab, 10, 10, 100, 100);
  AttachPanel(panel);
  CHECK(reinterpret_cast<HWND>(GetPropA(panel, kTabAncestorProp)) == tab);
  CHECK(FindSkinnedTabAncestor(panel) == tab);
  CHECK(FindSkinnedTabAncestor(tab) == nullptr);
}

TEST_CASE("a toolbar with children: both property families, the panel procedure outermost") {
  test::Engine engine;
  test::SkinnedWindow dialog;
  HWND toolbar = test::Child(dialog.hwnd, TOOLBARCLASSNAMEA, CCS_NORESIZE, 0, 0, 200, 30);
  HWND bare = test::Child(dialog.hwnd, TOOLBARCLASSNAMEA, CCS_NORESIZE, 0, 40, 200, 30);
  INT_PTR toolbarProc = test::ProcOf(toolbar);
  HWND inside = test::Child(toolbar, "Edit", 0, 2, 2, 50, 20);

  AttachToolbars(dialog.hwnd);

  const auto& backdrops = dialog.record().backdropControls;
  REQUIRE(backdrops.size() == 2);
  CHECK(backdrops[0].hwnd == toolbar);
  CHECK(backdrops[1].hwnd == bare);
  CHECK(backdrops[0].backColour == GetSysColor(COLOR_BTNFACE));
  CHECK(test::Addr(backdrops[0].prevProc) == toolbarProc);
  CHECK(Prop(toolbar, kBackdropIndexProp) == 1);
  CHECK(Prop(toolbar, kBackdropOwnerIndexProp) == dialog.index);
  CHECK(Prop(toolbar, kBackdropPrevProcProp) == toolbarProc);
  CHECK(Prop(toolbar, kIndexProp) == 1);
  CHECK(Prop(toolbar, kOwnerIndexProp) == dialog.index);
  CHECK(Prop(toolbar, kPrevProcProp) == test::Addr(BackdropSkinProc));
  CHECK(test::ProcOf(toolbar) == test::Addr(PanelSkinProc));
  const PanelSkinRecord& panel = dialog.record().panels[0];
  CHECK(panel.hwnd == toolbar);
  CHECK(panel.shadeDescendants == 0);
  CHECK(panel.overlayAlpha == 0);
  CHECK(dialog.record().editSkins[0].hwnd == inside);
  // A toolbar without children is only a backdrop control.
  CHECK(test::ProcOf(bare) == test::Addr(BackdropSkinProc));
  CHECK(GetPropA(bare, kPrevProcProp) == nullptr);
}

TEST_CASE("a backdrop control keeps the colour it was given") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND control = test::Child(window.hwnd, "Static", 0);
  AttachBackdropControl(control, 0x00336699, 0, 0);
  CHECK(window.record().backdropControls[0].backColour == 0x00336699);
}
