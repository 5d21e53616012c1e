#include "installer_driver.h"

#include <commctrl.h>
#include <doctest.h>

#include <string_view>

#include "app/wizard.h"

namespace e2e {
namespace {

constexpr char kWizardTitle[] = "Tavrin安装向导";

BOOL CALLBACK FindChildById(HWND child, LPARAM param) {
  auto* wanted = reinterpret_cast<std::pair<int, HWND>*>(param);
  if (GetDlgCtrlID(child) != wanted->first) return TRUE;
  wanted->second = child;
  return FALSE;
}

std::string WindowText(HWND hwnd) {
  char text[8192] = "";
  SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

struct BoxSearch {
  DWORD processId;
  const char* caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[32] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == search->processId && std::string_view(cls) == "#32770" && IsWindowVisible(hwnd) &&
      WindowText(hwnd) == search->caption) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

RunningInstaller::RunningInstaller() {
  STARTUPINFOA si{sizeof si};
  char commandLine[] = "\"" TAVRIN_SETUP_EXE "\"";
  REQUIRE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                         &process_));
  WaitForInputIdle(process_.hProcess, 10000);
  REQUIRE(WaitFor([&] {
    window_ = FindWindowA(nullptr, kWizardTitle);
    return window_ && IsWindowVisible(window_);
  }));
}

RunningInstaller::~RunningInstaller() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND RunningInstaller::Control(const char* name) const {
  std::pair<int, HWND> wanted{app::WizardControlId(name), nullptr};
  EnumChildWindows(window_, FindChildById, reinterpret_cast<LPARAM>(&wanted));
  REQUIRE_MESSAGE(wanted.second, "control not found: ", name);
  return wanted.second;
}

std::string RunningInstaller::Text(const char* name) const { return WindowText(Control(name)); }

void RunningInstaller::SetText(const char* name, const std::string& text) const {
  SendMessageA(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void RunningInstaller::Click(const char* name) const {
  SetForegroundWindow(window_);
  RECT r;
  GetWindowRect(Control(name), &r);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

int RunningInstaller::WindowHeight() const {
  RECT r;
  GetWindowRect(window_, &r);
  return r.bottom - r.top;
}

int RunningInstaller::CurrentPage() const {
  return static_cast<int>(SendMessageA(Control(app::names::kTab), TCM_GETCURSEL, 0, 0));
}

HWND RunningInstaller::WaitForMessageBox(const char* caption) const {
  BoxSearch search{process_.dwProcessId, caption};
  WaitFor([&] {
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

DWORD RunningInstaller::WaitForExit(DWORD ms) const {
  WaitForSingleObject(process_.hProcess, ms);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::string AllText(HWND window) {
  std::string text = WindowText(window);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    text += "\n" + WindowText(child);
  return text;
}

void ClickAt(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT inputs[3]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / width;
    input.mi.dy = screen.y * 65535 / height;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
  }
  inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
  inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(3, inputs, sizeof(INPUT));
}

}  // namespace e2e
