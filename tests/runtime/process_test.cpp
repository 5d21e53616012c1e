#include <doctest.h>

#include "app/runtime/runtime_services.h"
#include "support/temp_folder.h"

// The test exe doubles as the program these tests start: copied elsewhere and
// run with "--no-skip -tc=helper_...", it runs one of the skipped helper cases
// below, which report through a marker file named in the environment.
namespace {

runtime::RuntimeServices& services = runtime::Win32Runtime();

constexpr const char* kMarkerVariable = "TAVRIN_HELPER_MARKER";
constexpr const char* kGoEventVariable = "TAVRIN_HELPER_GO";

void WriteText(const std::string& path, const std::string& text) {
  services.WriteFile(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::string ReadText(const std::string& path) {
  const auto bytes = test::ReadBytes(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

std::string OwnPath() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Sets an environment variable for the helpers this process starts.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    SetEnvironmentVariableA(name, value.c_str());
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;
  ~ScopedVariable() { SetEnvironmentVariableA(name_, nullptr); }

 private:
  const char* name_;
};

bool WaitForFile(const std::string& path, DWORD ms) {
  for (DWORD waited = 0; !services.FileExists(path); waited += 20) {
    if (waited >= ms) return false;
    Sleep(20);
  }
  return true;
}

// Folder "with space\helper.exe" holding a copy of this exe, plus "with.exe"
// beside the folder: the program an unquoted command line would start.
struct HelperCopies {
  test::TempFolder temp;
  std::string helper = temp / "with space\\helper.exe";
  std::string marker = temp / "marker.txt";

  HelperCopies() {
    CreateDirectoryA((temp / "with space").c_str(), nullptr);
    CopyFileA(OwnPath().c_str(), helper.c_str(), FALSE);
    CopyFileA(OwnPath().c_str(), (temp / "with.exe").c_str(), FALSE);
  }
};

std::string markerForExit;
void WriteExitMarker() { WriteText(markerForExit, ReadText(markerForExit) + "exit routine;"); }

}  // namespace

TEST_CASE("helper_write_marker" * doctest::skip()) {
  const std::string go = services.GetEnvironment(kGoEventVariable);
  if (!go.empty()) {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, go.c_str());
    WaitForSingleObject(event, 10000);
    CloseHandle(event);
  }
  // Late enough that a caller which did not wait would look too early.
  Sleep(300);
  WriteText(services.GetEnvironment(kMarkerVariable), OwnPath());
}

TEST_CASE("helper_end_process" * doctest::skip()) {
  markerForExit = services.GetEnvironment(kMarkerVariable);
  runtime::RegisterExitRoutine(WriteExitMarker);
  services.EndProcess(0);
}

TEST_CASE("RunProgram starts a quoted path with a space and waits for it") {
  HelperCopies copies;
  ScopedVariable marker(kMarkerVariable, copies.marker);
  for (std::optional<int> show : {std::optional<int>{}, std::optional<int>{SW_HIDE}}) {
    DeleteFileA(copies.marker.c_str());
    CHECK(services.RunProgram(copies.helper, "--no-skip -tc=helper_write_marker", true, show).ok());
    CHECK(ReadText(copies.marker) == copies.helper);
  }
}

TEST_CASE("RunProgram without waiting returns while the program runs") {
  HelperCopies copies;
  ScopedVariable marker(kMarkerVariable, copies.marker);
  const std::string eventName = "TavrinHelperGo" + std::to_string(GetCurrentProcessId());
  HANDLE go = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
  ScopedVariable goVariable(kGoEventVariable, eventName);

  CHECK(services.RunProgram(copies.helper, "--no-skip -tc=helper_write_marker", false, {}).ok());
  CHECK_FALSE(services.FileExists(copies.marker));
  SetEvent(go);
  CHECK(WaitForFile(copies.marker, 10000));
  CloseHandle(go);
}

TEST_CASE("RunProgram reports a program that cannot start") {
  test::TempFolder temp;
  CHECK(services.RunProgram(temp / "missing.exe", "", true, {}).error == ERROR_FILE_NOT_FOUND);
}

TEST_CASE("EndProcess runs the exit routine before the process ends") {
  HelperCopies copies;
  ScopedVariable marker(kMarkerVariable, copies.marker);
  CHECK(services.RunProgram(copies.helper, "--no-skip -tc=helper_end_process", true, {}).ok());
  CHECK(ReadText(copies.marker) == "exit routine;");
}

TEST_CASE("RunExitRoutine runs the registered routine once") {
  static int runs = 0;
  runtime::RegisterExitRoutine([] { ++runs; });
  runtime::RunExitRoutine();
  runtime::RunExitRoutine();
  CHECK(runs == 1);
}
