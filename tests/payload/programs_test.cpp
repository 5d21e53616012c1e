// The padded payload programs are real programs: the three tools print a line
// and exit with 0; Tavrin.exe opens its "Tavrin" window and exits with 0 when
// the window is closed.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "installer_module.h"

namespace {

// A started program, ended (if still running) and released on destruction.
struct Process {
  PROCESS_INFORMATION info{};
  bool started = false;

  ~Process() {
    if (!started) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }

  DWORD WaitForExitCode(DWORD ms) const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
};

bool Start(Process& process, const std::string& path, STARTUPINFOA& startup, bool inherit) {
  std::string command = '"' + path + '"';
  process.started = CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, inherit, 0, nullptr,
                                   nullptr, &startup, &process.info);
  return process.started;
}

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

// EnumWindows callback: stops at the visible "Tavrin" window of the process.
BOOL CALLBACK MatchTavrinWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char title[16]{};
  GetWindowTextA(hwnd, title, sizeof title);
  if (owner != search->process_id || !IsWindowVisible(hwnd) || std::string(title) != "Tavrin") return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The visible top-level window titled "Tavrin" of the process, or NULL.
HWND FindTavrinWindow(DWORD process_id) {
  WindowSearch search{process_id, nullptr};
  EnumWindows(MatchTavrinWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

TEST_CASE("each helper tool prints its name and exits with 0") {
  for (const char* name : {"narvel", "pelgar", "dosk"}) {
    CAPTURE(name);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    REQUIRE(CreatePipe(&read_end, &write_end, &inheritable, 0));
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    Process process;
    bool started = Start(process, test::PayloadBuildFile((std::string(name) + ".exe").c_str()), startup, true);
    CloseHandle(write_end);  // the pipe ends when the child closes its copy

    std::string output;
    char chunk[256];
    DWORD read = 0;
    while (started && ReadFile(read_end, chunk, sizeof chunk, &read, nullptr) && read) output.append(chunk, read);
    CloseHandle(read_end);

    REQUIRE(started);
    CHECK(process.WaitForExitCode(10000) == 0);
    CHECK(output.starts_with(std::string(name) + ": "));
    CHECK(output.ends_with("\n"));
  }
}

TEST_CASE("Tavrin.exe shows a closable window titled Tavrin and exits with 0 when it is closed") {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  Process process;
  REQUIRE(Start(process, test::PayloadBuildFile("Tavrin.exe"), startup, false));
  WaitForInputIdle(process.info.hProcess, 10000);

  HWND window = nullptr;
  for (int tries = 0; !window && tries < 200; ++tries) {
    window = FindTavrinWindow(process.info.dwProcessId);
    if (!window) Sleep(50);
  }
  REQUIRE(window);
  CHECK((GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU) != 0);  // the caption's close button
  CHECK(process.WaitForExitCode(0) == STILL_ACTIVE);

  // What the caption's close button sends.
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  CHECK(process.WaitForExitCode(10000) == 0);
}
