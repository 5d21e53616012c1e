#include "bench_support.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double>& samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

void Report(const char* name, double value, const char* baselineName, double baseline,
            std::optional<double> target) {
  const double ratio = baseline > 0 ? value / baseline : 0;
  std::printf("%-34s %10.3f ms | %-28s %10.3f ms | ratio %8.2f", name, value * 1000, baselineName,
              baseline * 1000, ratio);
  if (target) std::printf(" (target <= %.2f) %s", *target, ratio <= *target ? "met" : "MISSED");
  std::printf("\n");
  std::fflush(stdout);
}

PROCESS_INFORMATION Start(const std::string& exe, const std::string& arguments) {
  std::string commandLine = "\"" + exe + "\" " + arguments;
  STARTUPINFOA si{sizeof si};
  PROCESS_INFORMATION process{};
  CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                 &process);
  return process;
}

void Stop(PROCESS_INFORMATION& process) {
  if (!process.hProcess) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
}

namespace {
struct WindowSearch {
  DWORD processId;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char title[256] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  if (pid != search->processId || std::string(title) != search->title) return TRUE;
  search->found = hwnd;
  return FALSE;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const char* title) {
  WindowSearch search{processId, title, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace bench
