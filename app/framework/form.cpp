#include "app/framework/form.h"

#include <commctrl.h>

#include <algorithm>

#include "app/framework/transparent_label.h"

namespace framework {
namespace {

constexpr char kFormClass[] = "TavrinForm";
constexpr char kFormProperty[] = "TavrinForm";  // on tab controls: their Form
constexpr UINT kTimerPeriodMs = 1000;

// Thread timers have no window to carry their owner, so their controls are
// looked up by timer id.
std::map<UINT_PTR, std::pair<Form*, std::string>>& Timers() {
  static std::map<UINT_PTR, std::pair<Form*, std::string>> timers;
  return timers;
}

// Every control uses the TrueType 宋体 at 12 pixels; the skin reads control
// fonts when it attaches them, and check boxes have no default face of their
// own.
HFONT CreateControlFont() {
  return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

void RegisterFormClass(WNDPROC windowProc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  // "更多选项" changes only the height; the whole window must repaint then.
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = LoadIconA(wc.hInstance, "DEFAULT_ICON");
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassExA(&wc);
}

struct WindowClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

WindowClassAndStyle ClassAndStyleOf(ControlKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::Edit:
      return {"Edit", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineEdit:
      return {"Edit", child | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::Tab:
      // Page controls are children of the tab: let dialog navigation enter it.
      return {WC_TABCONTROLA, child | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::Button:
      return {"Button", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
      return {"Button", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSA, child, 0};
    case ControlKind::TransparentLabel:
    case ControlKind::Timer:
      break;  // created by their own code
  }
  return {nullptr, 0, 0};
}

void AddTabPages(HWND tab, const char* titles) {
  std::string all = titles ? titles : "";
  int index = 0;
  for (size_t start = 0; start <= all.size();) {
    size_t end = std::min(all.find('|', start), all.size());
    std::string title = all.substr(start, end - start);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageA(tab, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
    start = end + 1;
  }
}

}  // namespace

Form::Form(const WindowDesign& design) : design_(design) {
  for (const ControlDesign& control : design.controls) controls_.push_back({&control});
}

Form::~Form() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Form::On(FormEvent event, std::function<void()> handler) {
  formHandlers_[event] = std::move(handler);
}

void Form::On(ControlEvent event, const std::string& control, std::function<void()> handler) {
  controlHandlers_[{event, control}] = std::move(handler);
}

bool Form::Open(int showCommand) {
  RegisterFormClass(&Form::WindowProc);
  // The skin draws the frame and caption inside the client area, so the
  // window has no system frame and its outer size is the designed size.
  CreateWindowExA(0, kFormClass, design_.caption, WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU,
                  design_.x, design_.y, design_.width, design_.height, nullptr, nullptr,
                  GetModuleHandleA(nullptr), this);
  if (!hwnd_) return false;
  ShowWindow(hwnd_, showCommand);
  Fire(FormEvent::Shown);
  UpdateWindow(hwnd_);
  return true;
}

int Form::RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(hwnd_) && IsDialogMessageA(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      return form->OnCreate();
    case WM_ACTIVATE:
      form->Fire(FormEvent::Activated);
      break;
    case WM_NOTIFY:
      return form->OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_DESTROY:
      form->OnDestroy();
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Form::TabProc(HWND tab, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = static_cast<Form*>(GetPropA(tab, kFormProperty));
  WNDPROC previous = form->tabProcs_[tab];
  switch (message) {
    case WM_COMMAND:
      // Clicks of page buttons arrive here: the buttons are the tab's children.
      if (HIWORD(wParam) == BN_CLICKED) return form->OnTabCommand(tab, wParam, lParam);
      break;
    case WM_NCDESTROY:
      RemovePropA(tab, kFormProperty);
      break;
  }
  return CallWindowProcA(previous, tab, message, wParam, lParam);
}

void CALLBACK Form::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Timers().find(id);
  if (found == Timers().end()) return;
  auto& [form, name] = found->second;
  if (const Control* control = form->Find(name)) form->Fire(ControlEvent::Timer, *control);
}

void Form::OnLabelPressed(void* context, HWND label) {
  auto* form = static_cast<Form*>(context);
  if (Control* control = form->FindByWindow(label)) form->Fire(ControlEvent::LeftButtonDown, *control);
}

LRESULT Form::OnCreate() {
  font_ = OwnedFont(CreateControlFont());
  for (Control& control : controls_) CreateControl(control);
  ShowPageControls();
  Fire(FormEvent::Created);
  return 0;
}

// The tab's headers are never shown (the skin paints the tab itself), so
// they must not change the page either: pages change only through
// SetCurrentPage.
LRESULT Form::OnNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGING && FindByWindow(header.hwndFrom)) return TRUE;
  return 0;
}

LRESULT Form::OnTabCommand(HWND tab, WPARAM wParam, LPARAM lParam) {
  if (Control* control = FindByWindow(reinterpret_cast<HWND>(lParam))) {
    Fire(ControlEvent::Click, *control);
    return 0;
  }
  return CallWindowProcA(tabProcs_[tab], tab, WM_COMMAND, wParam, lParam);
}

void Form::OnDestroy() {
  for (Control& control : controls_) {
    if (!control.timerId) continue;
    KillTimer(nullptr, control.timerId);
    Timers().erase(control.timerId);
    control.timerId = 0;
  }
  PostQuitMessage(0);
}

void Form::CreateControl(Control& control) {
  const ControlDesign& d = *control.design;
  const int id = kFirstControlId + static_cast<int>(&control - controls_.data());
  if (d.kind == ControlKind::Timer) {
    control.timerId = SetTimer(nullptr, 0, kTimerPeriodMs, TimerProc);
    Timers()[control.timerId] = {this, d.name};
    return;
  }
  HWND parent = ParentOf(control);
  const int x = d.page == kWindowLevel ? d.x : kPageOriginX + d.x;
  const int y = d.page == kWindowLevel ? d.y : kPageOriginY + d.y;
  if (d.kind == ControlKind::TransparentLabel) {
    control.hwnd = CreateTransparentLabel(parent, d.text, x, y, d.width, d.height, id,
                                          &Form::OnLabelPressed, this);
  } else {
    const WindowClassAndStyle cs = ClassAndStyleOf(d.kind);
    const char* text = d.kind == ControlKind::Tab ? "" : d.text;
    control.hwnd = CreateWindowExA(cs.exStyle, cs.className, text, cs.style, x, y, d.width,
                                   d.height, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                                   GetModuleHandleA(nullptr), nullptr);
  }
  if (!control.hwnd) return;
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (d.kind == ControlKind::Tab) {
    AddTabPages(control.hwnd, d.text);
    SetPropA(control.hwnd, kFormProperty, this);
    tabProcs_[control.hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::TabProc)));
  }
}

// Page controls belong to the first tab control of the design.
HWND Form::ParentOf(const Control& control) const {
  if (control.design->page == kWindowLevel) return hwnd_;
  for (const Control& c : controls_)
    if (c.design->kind == ControlKind::Tab && c.hwnd) return c.hwnd;
  return hwnd_;
}

Form::Control* Form::Find(const std::string& name) {
  for (Control& c : controls_)
    if (name == c.design->name) return &c;
  return nullptr;
}

const Form::Control* Form::Find(const std::string& name) const {
  return const_cast<Form*>(this)->Find(name);
}

Form::Control* Form::FindByWindow(HWND hwnd) {
  for (Control& c : controls_)
    if (c.hwnd && c.hwnd == hwnd) return &c;
  return nullptr;
}

void Form::ShowPageControls() {
  const Control* tab = nullptr;
  for (const Control& c : controls_)
    if (c.design->kind == ControlKind::Tab) tab = &c;
  const int page = tab ? CurrentPage(tab->design->name) : 0;
  for (Control& c : controls_) {
    if (!c.hwnd) continue;
    const bool onShownPage = c.design->page == kWindowLevel || c.design->page == page;
    ShowWindow(c.hwnd, c.visible && onShownPage ? SW_SHOWNA : SW_HIDE);
  }
}

void Form::Fire(FormEvent event) {
  if (auto found = formHandlers_.find(event); found != formHandlers_.end()) found->second();
}

void Form::Fire(ControlEvent event, const Control& control) {
  auto found = controlHandlers_.find({event, control.design->name});
  if (found != controlHandlers_.end()) found->second();
}

HWND Form::Handle(const std::string& control) const {
  const Control* c = Find(control);
  return c ? c->hwnd : nullptr;
}

std::string Form::Text(const std::string& control) const {
  HWND hwnd = Handle(control);
  if (!hwnd) return {};
  std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
  text.resize(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size())));
  return text;
}

void Form::SetText(const std::string& control, const std::string& text) {
  if (HWND hwnd = Handle(control)) SetWindowTextA(hwnd, text.c_str());
}

bool Form::Visible(const std::string& control) const {
  const Control* c = Find(control);
  return c && c->visible;
}

void Form::SetVisible(const std::string& control, bool visible) {
  if (Control* c = Find(control)) {
    c->visible = visible;
    ShowPageControls();
  }
}

void Form::SetWindowHeight(int height) {
  RECT r;
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ProgressPosition(const std::string& control) const {
  return static_cast<int>(SendMessageA(Handle(control), PBM_GETPOS, 0, 0));
}

void Form::SetProgressPosition(const std::string& control, int position) {
  SendMessageA(Handle(control), PBM_SETPOS, position, 0);
}

int Form::CurrentPage(const std::string& tab) const {
  return static_cast<int>(SendMessageA(Handle(tab), TCM_GETCURSEL, 0, 0));
}

void Form::SetCurrentPage(const std::string& tab, int page) {
  HWND hwnd = Handle(tab);
  const int count = static_cast<int>(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return;
  SendMessageA(hwnd, TCM_SETCURSEL, std::clamp(page, 0, count - 1), 0);
  ShowPageControls();
}

}  // namespace framework
