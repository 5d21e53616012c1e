// A top-level window built from a WindowDesign. The form creates its
// controls during WM_CREATE, gives each the same TrueType 宋体 12-pixel font,
// then fires its "created" event, so handlers of that event see every control
// in place. Events are delivered on the UI thread.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/framework/design.h"
#include "app/framework/gdi_owner.h"

namespace framework {

enum class FormEvent { Created, Shown, Activated };
enum class ControlEvent { Click, LeftButtonDown, Timer };

class Form {
 public:
  explicit Form(const WindowDesign& design);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void On(FormEvent event, std::function<void()> handler);
  void On(ControlEvent event, const std::string& control, std::function<void()> handler);

  // Creates the window and its controls (firing Created), shows it (firing
  // Shown). Returns false when the window could not be created.
  bool Open(int showCommand = SW_SHOWNORMAL);
  // Runs the message loop until the window is destroyed; returns the
  // WM_QUIT code.
  int RunMessageLoop();

  HWND Handle() const { return hwnd_; }
  HWND Handle(const std::string& control) const;

  std::string Text(const std::string& control) const;
  void SetText(const std::string& control, const std::string& text);
  bool Visible(const std::string& control) const;
  void SetVisible(const std::string& control, bool visible);
  void SetWindowHeight(int height);
  int ProgressPosition(const std::string& control) const;
  void SetProgressPosition(const std::string& control, int position);
  // The tab control's current page; a page outside 0 … count − 1 is clamped.
  int CurrentPage(const std::string& tab) const;
  void SetCurrentPage(const std::string& tab, int page);

 private:
  struct Control {
    const ControlDesign* design;
    HWND hwnd = nullptr;
    UINT_PTR timerId = 0;
    bool visible = true;  // the control's own visibility, whatever its page
  };

  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK TabProc(HWND, UINT, WPARAM, LPARAM);
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
  static void OnLabelPressed(void* form, HWND label);

  LRESULT OnCreate();
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnTabCommand(HWND tab, WPARAM wParam, LPARAM lParam);
  void OnDestroy();

  void CreateControl(Control& control);
  HWND ParentOf(const Control& control) const;
  Control* Find(const std::string& name);
  const Control* Find(const std::string& name) const;
  Control* FindByWindow(HWND hwnd);
  void ShowPageControls();
  void Fire(FormEvent event);
  void Fire(ControlEvent event, const Control& control);

  const WindowDesign design_;
  HWND hwnd_ = nullptr;
  OwnedFont font_;
  std::vector<Control> controls_;
  std::map<FormEvent, std::function<void()>> formHandlers_;
  std::map<std::pair<ControlEvent, std::string>, std::function<void()>> controlHandlers_;
  std::map<HWND, WNDPROC> tabProcs_;
};

}  // namespace framework
