// Painting edit boxes and combo boxes leaves no GDI object behind.
#include <doctest.h>

#include <functional>

#include "face_fixture.h"
#include "skin/controls/combo_paint.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/edit_frame.h"
#include "skin/controls/edit_panel.h"
#include "support/test_support.h"

using namespace test;

TEST_CASE("1,000 repaints of edit and combo boxes create no lasting GDI object") {
  Engine engine;
  skin::globals::EditPanelEnabled = 1;
  FlatWindow window;
  HWND edit = Child(window.hwnd, "Edit", WS_VSCROLL | ES_MULTILINE, 10, 10, 100, 40, "文字",
                    WS_EX_CLIENTEDGE);
  HWND combo = Child(window.hwnd, "ComboBox", CBS_DROPDOWN, 10, 60, 100, 200, "");
  skin::AttachEditsAndComboBoxes(window.index, window.hwnd);
  Canvas canvas(100, 40);
  struct Case {
    const char* name;
    std::function<void(int)> paint;
  };
  const Case cases[] = {
      {"ring", [&](int i) { skin::PaintEditFrame(edit, i % 2 == 0, i % 3 == 0); }},
      {"non-client paint", [&](int) { SendMessageA(edit, WM_NCPAINT, 1, 0); }},
      {"erase",
       [&](int) {
         SendMessageA(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
       }},
      {"panel brush", [&](int) { skin::AnswerEditColour(canvas.dc(), edit); }},
      {"combo", [&](int i) { skin::PaintComboBox(window.index, 1, i % 2 == 0); }},
      {"combo paint",
       [&](int) {
         RedrawWindow(combo, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
       }},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    c.paint(0);  // the panel brush keeps one brush and one bitmap alive
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 1000; ++i) c.paint(i);
    CHECK(CountGdiObjects() == before);
  }
  skin::globals::EditPanelEnabled = 0;
}
