// Processes: starting programs, the exit routine and ending the process.
#include <atomic>

#include "app/runtime/handles.h"
#include "app/runtime/win32_services.h"

namespace runtime {
namespace {

std::atomic<void (*)()> exitRoutine{nullptr};

}  // namespace

void RegisterExitRoutine(void (*routine)()) { exitRoutine = routine; }

void RunExitRoutine() {
  // Taking the routine out first makes a second call (or one from inside the
  // routine) do nothing.
  if (auto routine = exitRoutine.exchange(nullptr)) routine();
}

Outcome Win32Services::RunProgram(const std::string& program, const std::string& arguments,
                                  bool wait, std::optional<int> showMode) {
  // Unquoted, "C:\Program Files\Tavrin\Tavrin.exe" would first be tried as
  // C:\Program.exe: CreateProcess splits the command line at the first space.
  std::string commandLine = '"' + program + '"';
  if (!arguments.empty()) commandLine += ' ' + arguments;

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (showMode) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(*showMode);
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return {GetLastError()};
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  if (wait) WaitForSingleObject(process.get(), INFINITE);
  return Outcome::Success();
}

void Win32Services::EndProcess(UINT exitCode) {
  // The exit routine is the engine's clean-up; ExitProcess alone would skip it.
  RunExitRoutine();
  ExitProcess(exitCode);
}

}  // namespace runtime
