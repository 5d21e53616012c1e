// Drives a real TavrinSetup.exe from outside, as a user would: finds its
// window and controls, types into them and clicks them with real input.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// Polls `done` every 10 ms (pumping this thread's messages) until it holds
// or `ms` milliseconds pass; returns its last value.
template <typename Condition>
bool WaitFor(Condition done, DWORD ms = 15000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  return true;
}

class RunningInstaller {
 public:
  RunningInstaller();  // starts the installer and waits for its window
  ~RunningInstaller();  // ends it if it still runs
  RunningInstaller(const RunningInstaller&) = delete;
  RunningInstaller& operator=(const RunningInstaller&) = delete;

  HWND window() const { return window_; }
  // A control of the wizard by its design name ("按钮1", …).
  HWND Control(const char* name) const;
  std::string Text(const char* name) const;
  void SetText(const char* name, const std::string& text) const;
  // Clicks the middle of the control with SendInput.
  void Click(const char* name) const;
  int WindowHeight() const;
  int CurrentPage() const;
  // A message box of the installer with this caption, once it is up.
  HWND WaitForMessageBox(const char* caption) const;
  // Waits for the process to end and returns its exit code (or STILL_ACTIVE).
  DWORD WaitForExit(DWORD ms = 15000) const;
  DWORD processId() const { return process_.dwProcessId; }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// All text of a window and its children (a message box's text lives in a
// static child).
std::string AllText(HWND window);
void ClickAt(POINT screen);

}  // namespace e2e
