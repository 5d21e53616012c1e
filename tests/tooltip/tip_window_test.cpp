// TipWindow against the real tooltip window class.
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tooltip/tip_window.h"

using tooltip::TipShape;
using tooltip::TipWindow;

namespace {

// A plain top-level window that owns the tools.
struct OwnerWindow {
  HWND hwnd;
  OwnerWindow() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    hwnd = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~OwnerWindow() { DestroyWindow(hwnd); }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
};

LRESULT ToolCount(const TipWindow& tips) {
  return SendMessageA(tips.GetWindow(), TTM_GETTOOLCOUNT, 0, 0);
}

// What the tooltip window reports for (owner, id); `found` is false when it
// has no such tool.
struct ToolReport {
  bool found = false;
  RECT rect{};
  std::string text;
};

ToolReport QueryTool(const TipWindow& tips, UINT_PTR id) {
  char buffer[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = tips.owner();
  info.uId = id;
  info.lpszText = buffer;
  ToolReport report;
  report.found = SendMessageA(tips.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
  report.rect = info.rect;
  if (info.lpszText == buffer) report.text = buffer;
  return report;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_CASE("Create makes a rectangular or a balloon tooltip owned by nobody") {
  OwnerWindow owner;
  struct Case {
    bool balloon;
  } cases[] = {{false}, {true}};
  for (const Case& c : cases) {
    CAPTURE(c.balloon);
    TipWindow tips;
    HWND made = c.balloon ? tips.Create(owner.hwnd, TipShape::Balloon) : tips.Create(owner.hwnd);
    REQUIRE(made != nullptr);
    CHECK(made == tips.GetWindow());
    CHECK(tips.owner() == owner.hwnd);
    char cls[64] = {};
    GetClassNameA(made, cls, sizeof cls);
    CHECK(lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0);
    LONG_PTR style = GetWindowLongPtrA(made, GWL_STYLE);
    CHECK((style & TTS_ALWAYSTIP) != 0);
    CHECK(((style & TTS_BALLOON) != 0) == c.balloon);
    CHECK(GetParent(made) == nullptr);
  }
}

TEST_CASE("the tooltip window lives as long as its TipWindow") {
  OwnerWindow owner;
  HWND made;
  {
    TipWindow tips;
    made = tips.Create(owner.hwnd);
    TipWindow moved = std::move(tips);
    CHECK(moved.GetWindow() == made);
    CHECK(tips.GetWindow() == nullptr);
    CHECK(IsWindow(made));
  }
  CHECK_FALSE(IsWindow(made));
}

TEST_CASE("AddTool with one id twice adds two tools; DeleteTool removes one at a time") {
  OwnerWindow owner;
  TipWindow tips;
  tips.Create(owner.hwnd);
  tips.AddTool(RECT{0, 0, 26, 18}, "帮助", 1);
  tips.AddTool(RECT{27, 0, 53, 18}, "关闭", 1);
  CHECK(ToolCount(tips) == 2);
  tips.DeleteTool(1);
  CHECK(ToolCount(tips) == 1);
  tips.DeleteTool(1);
  CHECK(ToolCount(tips) == 0);
}

TEST_CASE("MoveTool and UpdateToolText change the tool (owner, id)") {
  OwnerWindow owner;
  TipWindow tips;
  tips.Create(owner.hwnd);
  tips.AddTool(RECT{0, 0, 0, 0}, "最小化", 1);
  tips.AddTool(RECT{0, 0, 0, 0}, "最大化", 2);

  ToolReport before = QueryTool(tips, 2);
  REQUIRE(before.found);
  CHECK(before.text == "最大化");

  tips.MoveTool(2, RECT{335, 1, 361, 19});
  tips.UpdateToolText(2, "还原");
  ToolReport after = QueryTool(tips, 2);
  CHECK(SameRect(after.rect, RECT{335, 1, 361, 19}));
  CHECK(after.text == "还原");

  ToolReport untouched = QueryTool(tips, 1);
  CHECK(SameRect(untouched.rect, RECT{0, 0, 0, 0}));
  CHECK(untouched.text == "最小化");
}

TEST_CASE("AddCallbackTool registers a tool without text of its own") {
  OwnerWindow owner;
  TipWindow tips;
  tips.Create(owner.hwnd);
  tips.AddCallbackTool(RECT{1, 2, 3, 4}, 7);
  char buffer[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner.hwnd;
  info.uId = 7;
  info.lpszText = buffer;
  REQUIRE(SendMessageA(tips.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  CHECK(info.lpszText == LPSTR_TEXTCALLBACKA);
  CHECK(SameRect(info.rect, RECT{1, 2, 3, 4}));
}

TEST_CASE("colours and maximum width reach the tooltip window") {
  OwnerWindow owner;
  TipWindow tips;
  tips.Create(owner.hwnd);
  tips.SetBackColour(0x123456);
  tips.SetTextColour(0x654321);
  tips.SetMaxWidth(240);
  CHECK(SendMessageA(tips.GetWindow(), TTM_GETTIPBKCOLOR, 0, 0) == 0x123456);
  CHECK(SendMessageA(tips.GetWindow(), TTM_GETTIPTEXTCOLOR, 0, 0) == 0x654321);
  CHECK(SendMessageA(tips.GetWindow(), TTM_GETMAXTIPWIDTH, 0, 0) == 240);
}

TEST_CASE("a TipWindow that was never created sends to no window") {
  TipWindow tips;
  tips.AddTool(RECT{0, 0, 1, 1}, "x", 1);
  tips.DeleteTool(1);
  CHECK(tips.GetWindow() == nullptr);
}
