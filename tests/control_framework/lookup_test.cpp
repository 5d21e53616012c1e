// Lookups from a window or control back to the records, and control fonts.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/control_framework.h"
#include "skin_fixture.h"

using namespace skin;

TEST_CASE("owner and list lookups walk up to the registered window and end at the top") {
  test::Engine engine;
  test::SkinnedWindow first;
  test::SkinnedWindow second;
  HWND outer = test::Container(second.hwnd, 0, 0, 100, 100);
  HWND inner = test::Container(outer, 0, 0, 50, 50);
  HWND stray = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND strayChild = test::Container(stray, 0, 0, 5, 5);

  CHECK(FindWindowIndex(second.hwnd) == 2);
  CHECK(FindWindowIndex(inner) == 0);
  CHECK(FindWindowIndex(nullptr) == 0);
  CHECK(FindOwnerWindowIndex(inner) == 2);
  CHECK(FindOwnerWindowIndex(second.hwnd) == 0);  // the window itself is not tested
  CHECK(FindOwnerWindowIndex(strayChild) == 0);
  // Blank entries never match: a null window is in no list.
  CHECK(FindPanelIndex(2, nullptr) == 0);
  CHECK(FindButtonIndex(2, nullptr) == 0);
  CHECK(FindEditIndex(2, nullptr) == 0);
  CHECK(FindPanelIndex(0, inner) == 0);
  CHECK(FindPanelIndex(9, inner) == 0);

  AttachPanel(outer);
  AttachPanel(inner);
  CHECK(FindPanelIndex(2, outer) == 1);
  CHECK(FindPanelIndex(2, inner) == 2);
  CHECK(FindPanelIndex(1, inner) == 0);
  DestroyWindow(stray);
}

TEST_CASE("IsGroupBoxButton: class Button exactly, style bit 0x4") {
  const test::ClassStyleCase cases[] = {
      {"Button", BS_GROUPBOX, true},
      {"Button", BS_RADIOBUTTON, true},  // bit 0x4 alone decides
      {"Button", BS_PUSHBUTTON, false},
      {"Static", 0x7, false},
  };
  test::Engine engine;
  test::SkinnedWindow window;
  test::CheckOnChildren(window.hwnd, cases, IsGroupBoxButton);
}

TEST_CASE("list-type controls, headers, up-downs, track and progress bars, statics") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND list = test::Child(window.hwnd, "ListBox", 0);
  // List views with style bit 0x10 are left alone.
  HWND skipped = test::Child(window.hwnd, WC_LISTVIEWA, LVS_REPORT | 0x10);
  HWND listView = test::Child(window.hwnd, WC_LISTVIEWA, LVS_REPORT, 10, 10, 100, 80);
  HWND tree = test::Child(window.hwnd, WC_TREEVIEWA, 0);
  HWND header = test::Child(window.hwnd, WC_HEADERA, HDS_BUTTONS);
  HWND upDown = test::Child(window.hwnd, UPDOWN_CLASSA, UDS_HORZ);
  HWND track = test::Child(window.hwnd, TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE);
  HWND progress = test::Child(window.hwnd, PROGRESS_CLASSA, PBS_VERTICAL);
  HWND icon = test::Child(window.hwnd, "Static", SS_ICON | SS_CENTERIMAGE);
  HWND label = test::Child(window.hwnd, "Static", SS_LEFT, 0, 0, 50, 20, "标签");

  AttachChildControls(window.index, window.hwnd);
  AttachStatics(window.index, window.hwnd);
  AttachStatics(window.index, window.hwnd);

  SkinWindowRecord& record = window.record();
  REQUIRE(record.listSkins.size() == 3);
  CHECK(record.listSkins[0].hwnd == list);
  CHECK(record.listSkins[1].hwnd == listView);
  CHECK(record.listSkins[2].hwnd == tree);
  CHECK(GetPropA(skipped, kPrevProcProp) == nullptr);
  // The standalone header, then the header of each list view (skipped or not).
  REQUIRE(record.headerSkins.size() == 3);
  CHECK(record.headerSkins[0].hwnd == header);
  CHECK(record.headerSkins[0].buttonStyle == 1);
  CHECK(record.headerSkins[0].fontFace.empty());
  CHECK(GetParent(record.headerSkins[1].hwnd) == skipped);
  CHECK(GetParent(record.headerSkins[2].hwnd) == listView);
  CHECK(record.headerSkins[2].fontSize > 0);
  CHECK(record.updownSkins[0].hwnd == upDown);
  CHECK(record.updownSkins[0].horizontal == 1);
  CHECK(record.trackBarSkins[0].hwnd == track);
  CHECK(record.trackBarSkins[0].vertical == 1);
  CHECK(record.trackBarSkins[0].tickPlacement == 2);
  CHECK(record.trackBarSkins[0].selectionRange == 1);
  CHECK(record.progressSkins[0].hwnd == progress);
  CHECK(record.progressSkins[0].vertical == 1);
  REQUIRE(record.staticSkins.size() == 2);
  CHECK(record.staticSkins[0].hwnd == icon);
  CHECK(record.staticSkins[0].contentKind == 3);
  CHECK(record.staticSkins[0].imagePlacement == 2);
  CHECK(record.staticSkins[1].hwnd == label);
  CHECK(record.staticSkins[1].contentKind == 1);
  // No font set: the device context's font describes it.
  CHECK_FALSE(record.staticSkins[1].fontFace.empty());
  CHECK(record.staticSkins[1].fontSize > 0);
  CHECK(FindStaticIndex(window.index, label) == 2);
}
