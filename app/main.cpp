// The installer's entry point: starts the runtime, opens the wizard and runs
// its message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/payload/payload.h"
#include "app/runtime/runtime_services.h"
#include "app/wizard.h"
#include "skin/manager/skin_manager.h"

namespace {

// Shell links and folder browsing need COM; the controls need the common
// control classes registered before the wizard creates them.
void StartRuntime() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

std::string AgreementText() {
  auto bytes = payload::Resource(TAVRIN_RES_AGREEMENT);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Start-up in its fixed order: the runtime, the engine's process-wide
// objects, the exit routine (before any window exists), the module
// initialisers, then the wizard and its message loop. The exit routine runs
// when the loop ends, or earlier when a handler ends the process.
int ProgramMain() {
  StartRuntime();
  skin::ConstructEngineObjects();
  runtime::RegisterExitRoutine(&skin::OnProcessExit);
  skin::InitSkinModule();
  app::Wizard wizard(runtime::Win32Runtime(), AgreementText());
  if (!wizard.form().Open()) return 1;
  const int code = wizard.form().RunMessageLoop();
  runtime::RunExitRoutine();
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return ProgramMain();
}
