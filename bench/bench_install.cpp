// The install, from the click on "一键安装" to the completion page, against an
// NSIS installer doing the same work (its install section timed by itself)
// in the same Wine session. Each run installs into a fresh folder.
#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "bench_support.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kRuns = 5;

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControlId(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

HWND FindControl(HWND window, const char* name) {
  ControlSearch search{app::WizardControlId(name), nullptr};
  EnumChildWindows(window, MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
  return path;
}

// The click handler runs inside the sent WM_COMMAND, so SendMessage returns
// when the completion page is shown.
double TimeWizardInstall(const std::string& base) {
  PROCESS_INFORMATION process = bench::Start(TAVRIN_SETUP_EXE);
  // The window is shown once all its controls exist.
  HWND window = nullptr;
  for (int i = 0; i < 2000 && !(window && IsWindowVisible(window)); ++i, Sleep(5))
    window = bench::FindProcessWindow(process.dwProcessId, "Tavrin安装向导");
  HWND folder = FindControl(window, app::names::kFolderEdit);
  HWND button = FindControl(window, app::names::kInstallButton);
  SendMessageA(folder, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(base.c_str()));
  const double start = bench::Now();
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  const double elapsed = bench::Now() - start;
  bench::Stop(process);
  test::RemoveTree(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Tavrin.lnk");
  test::RemoveTree(SpecialFolder(CSIDL_STARTMENU) + "\\Tavrin");
  return elapsed;
}

double TimeNsisInstall(const std::string& base) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string report = std::string(temp) + "nsis-install-us.txt";
  DeleteFileA(report.c_str());
  PROCESS_INFORMATION process = bench::Start(NSIS_INSTALL_EXE, "/D=" + base);
  WaitForSingleObject(process.hProcess, 60000);
  bench::Stop(process);
  double microseconds = 0;
  std::ifstream(report) >> microseconds;
  test::RemoveTree(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\TavrinNsis.lnk");
  test::RemoveTree(SpecialFolder(CSIDL_STARTMENU) + "\\TavrinNsis");
  return microseconds / 1e6;
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::vector<double> wizard, nsis;
  for (int run = 0; run < kRuns; ++run) {
    test::TempFolder ours, theirs;
    wizard.push_back(TimeWizardInstall(ours.path()));
    nsis.push_back(TimeNsisInstall(theirs.path()));
  }
  bench::Report("install click -> completion page", bench::Median(wizard),
                "NSIS install section", bench::Median(nsis), 1.2);
  CoUninitialize();
  return 0;
}
