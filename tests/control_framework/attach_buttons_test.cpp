// Attaching buttons, edits and combo boxes: matching by class and style, the
// slot rule, the properties and the installed procedure.
#include <doctest.h>

#include <string>

#include "skin/controls/control_framework.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

INT_PTR Prop(HWND window, const char* name) { return GetIntProp(window, name); }

}  // namespace

TEST_CASE("two push buttons and a check box: owner-draw buttons at 1 and 2, the box at 3") {
  test::Engine engine;
  test::SkinnedWindow dialog;
  HWND first = test::Child(dialog.hwnd, "Button", BS_PUSHBUTTON, 10, 10, 60, 24, "确定");
  HWND second = test::Child(dialog.hwnd, "Button", BS_DEFPUSHBUTTON, 80, 10, 60, 24, "取消");
  HWND box = test::Child(dialog.hwnd, "Button", BS_AUTOCHECKBOX, 10, 50, 100, 20, "选项");
  const LONG_PTR boxStyle = GetWindowLongPtrA(box, GWL_STYLE);
  LOGFONTA description{};
  description.lfHeight = -12;
  lstrcpyA(description.lfFaceName, "宋体");
  HFONT font = CreateFontIndirectA(&description);
  for (HWND control : {first, second, box}) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  INT_PTR buttonProc = test::ProcOf(first);

  AttachChildControls(dialog.index, dialog.hwnd);

  const auto& buttons = dialog.record().buttonSkins;
  REQUIRE(buttons.size() == 3);
  int position = 1;
  for (HWND button : {first, second}) {
    CAPTURE(position);
    CHECK((GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
    CHECK(Prop(button, kIndexProp) == position);
    CHECK(Prop(button, kOwnerIndexProp) == dialog.index);
    CHECK(Prop(button, kPrevProcProp) == buttonProc);
    CHECK(test::ProcOf(button) == test::Addr(ButtonSkinProc));
    CHECK(buttons[position - 1].hwnd == button);
    CHECK(buttons[position - 1].kind == 0);
    CHECK_FALSE(buttons[position - 1].fontFace.empty());
    CHECK(buttons[position - 1].fontSize == 12);
    CHECK(buttons[position - 1].fontStyle == 0);
    ++position;
  }
  CHECK(buttons[0].caption == "确定");
  CHECK(GetWindowLongPtrA(box, GWL_STYLE) == boxStyle);
  CHECK(Prop(box, kIndexProp) == 3);
  CHECK(buttons[2].hwnd == box);
  CHECK(buttons[2].kind == 5);
  CHECK(buttons[2].parentWindow == dialog.hwnd);
  CHECK(buttons[2].caption == "选项");
  CHECK(buttons[2].fontSize == 12);
  for (HWND control : {first, second, box}) DestroyWindow(control);
  DeleteObject(font);
}

TEST_CASE("button kinds: which are attached, with which record kind") {
  struct Case {
    DWORD style;
    bool attached;
    int kind;
  };
  const Case cases[] = {
      {BS_PUSHBUTTON, true, 0},      {BS_DEFPUSHBUTTON, true, 0}, {BS_USERBUTTON, true, 0},
      {BS_CHECKBOX, true, 5},        {BS_AUTOCHECKBOX, true, 5},  {0xA, true, 5},
      {BS_AUTORADIOBUTTON, true, 4}, {BS_RADIOBUTTON, false, 0},  {BS_3STATE, false, 0},
      {BS_AUTO3STATE, false, 0},     {BS_GROUPBOX, false, 0},     {BS_OWNERDRAW, false, 0},
  };
  test::Engine engine;
  for (const Case& c : cases) {
    CAPTURE(c.style);
    test::SkinnedWindow window;
    HWND button = test::Child(window.hwnd, "Button", c.style);
    const LONG_PTR before = GetWindowLongPtrA(button, GWL_STYLE);
    AttachChildControls(window.index, window.hwnd);
    const auto& buttons = window.record().buttonSkins;
    CHECK(buttons.size() == 1);
    CHECK((buttons[0].hwnd == button) == c.attached);
    CHECK((Prop(button, kIndexProp) == 1) == c.attached);
    CHECK((GetPropA(button, kPrevProcProp) != nullptr) == c.attached);
    if (c.attached) CHECK(buttons[0].kind == c.kind);
    // Only push buttons are restyled.
    if (!c.attached || c.kind != 0) CHECK(GetWindowLongPtrA(button, GWL_STYLE) == before);
  }
}

TEST_CASE("a check box's state at attach is recorded") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND box = test::Child(window.hwnd, "Button", BS_AUTOCHECKBOX);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  AttachCheckAndRadioButtons(window.index, window.hwnd);
  CHECK(window.record().buttonSkins[0].checked == 1);
}

TEST_CASE("the first control reuses the blank entry; attaching edits twice keeps one record") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND edit = test::Child(window.hwnd, "Edit", ES_AUTOHSCROLL);
  AttachEditsAndComboBoxes(window.index, window.hwnd);
  CHECK(window.record().editSkins.size() == 1);
  CHECK(Prop(edit, kIndexProp) == 1);
  CHECK(Prop(edit, kTextColourProp) == 0);
  CHECK(test::ProcOf(edit) == test::Addr(EditSkinProc));

  AttachEditsAndComboBoxes(window.index, window.hwnd);
  CHECK(window.record().editSkins.size() == 1);
  CHECK(Prop(edit, kPrevProcProp) != test::Addr(EditSkinProc));
}

TEST_CASE("combo boxes: the selected item's text becomes the window text, no selection keeps it") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND none = test::Child(window.hwnd, "ComboBox", CBS_DROPDOWN, 10, 10, 100, 100);
  HWND chosen = test::Child(window.hwnd, "ComboBox", CBS_DROPDOWN, 10, 40, 100, 100);
  for (HWND combo : {none, chosen}) {
    for (const char* item : {"甲", "乙"}) {
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SetWindowTextA(combo, "手输");
  }
  SendMessageA(chosen, CB_SETCURSEL, 1, 0);
  SetWindowTextA(chosen, "手输");

  AttachEditsAndComboBoxes(window.index, window.hwnd);

  char text[32] = {};
  GetWindowTextA(none, text, sizeof text);
  CHECK(std::string(text) == "手输");
  GetWindowTextA(chosen, text, sizeof text);
  CHECK(std::string(text) == "乙");
  const auto& combos = window.record().comboSkins;
  REQUIRE(combos.size() == 2);
  CHECK(combos[0].hwnd == none);
  CHECK(combos[1].hwnd == chosen);
  CHECK(test::ProcOf(chosen) == test::Addr(ComboSkinProc));
  // Outside edit-panel mode the combo's own edit is not an edit skin.
  CHECK(window.record().editSkins[0].hwnd == nullptr);
}

TEST_CASE("in edit-panel mode the edit inside a combo box is attached as an edit box") {
  test::Engine engine;
  globals::EditPanelEnabled = 1;
  test::SkinnedWindow window;
  HWND combo = test::Child(window.hwnd, "ComboBox", CBS_DROPDOWN, 10, 10, 100, 100);
  HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr);
  REQUIRE(inner);
  AttachEditsAndComboBoxes(window.index, window.hwnd);
  globals::EditPanelEnabled = 0;
  CHECK(window.record().editSkins[0].hwnd == inner);
  CHECK(Prop(inner, kIndexProp) == 1);
}

TEST_CASE("with ControlsSkinned 0 no control is attached") {
  test::Engine engine;
  globals::ControlsSkinned = 0;
  test::SkinnedWindow window;
  HWND button = test::Child(window.hwnd, "Button", BS_PUSHBUTTON);
  HWND edit = test::Child(window.hwnd, "Edit", 0);
  AttachChildControls(window.index, window.hwnd);
  globals::ControlsSkinned = 1;
  CHECK(GetPropA(button, kPrevProcProp) == nullptr);
  CHECK(GetPropA(edit, kPrevProcProp) == nullptr);
  CHECK(window.record().buttonSkins[0].hwnd == nullptr);
}
