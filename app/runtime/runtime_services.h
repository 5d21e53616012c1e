// The runtime services the installer and the skin engine rely on: folder
// browsing, files and folders, special folders, shell links, programs, the
// process's exit routine, environment, date and random numbers.
//
// Callers use the RuntimeServices interface so the install procedure can be
// tested against a recording fake; Win32Runtime() is the real implementation.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace runtime {

// Result of a service that can fail: ok, or the system error code (GetLastError
// or an HRESULT's code) that says why.
struct Outcome {
  DWORD error = 0;
  bool ok() const { return error == 0; }
  static Outcome Success() { return {}; }
};

// Special folders, numbered as the installer asks for them.
enum class SpecialFolder { Desktop = 3, StartMenu = 5 };

class RuntimeServices {
 public:
  virtual ~RuntimeServices() = default;

  // Folder-browse dialog owned by `owner`; "" when the user cancels.
  virtual std::string BrowseForFolder(HWND owner, const std::string& title) = 0;
  // Creates one directory level; a directory that already exists is success.
  virtual Outcome CreateDir(const std::string& path) = 0;
  // Creates or replaces the file with exactly `bytes`. The bytes go to a
  // temporary file in the same folder that is then moved over the target, so
  // a failure never leaves a half-written file behind.
  virtual Outcome WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The user's desktop or Start-menu directory, looked up without creating
  // it, always ending with a backslash; nullopt when the lookup fails.
  virtual std::optional<std::string> GetSpecialFolder(SpecialFolder which) = 0;
  // Writes a shell link to `target` with show command SW_SHOW and no
  // arguments, description or working directory. ".lnk" is appended when the
  // last component of `linkPath` has no dot.
  virtual Outcome CreateShortcut(const std::string& linkPath, const std::string& target) = 0;
  // Starts `program` (quoted on the command line, so paths with spaces work)
  // followed by `arguments`; waits for it to end when `wait` is set.
  // `showMode` nullopt uses the default show mode.
  virtual Outcome RunProgram(const std::string& program, const std::string& arguments, bool wait,
                             std::optional<int> showMode) = 0;
  // Runs the registered exit routine, then ends the process with `exitCode`.
  [[noreturn]] virtual void EndProcess(UINT exitCode) = 0;
  // The value of an environment variable, "" when unset (GBK).
  virtual std::string GetEnvironment(const std::string& name) = 0;
  // Days since 30 December 1899, the time of day as the fraction (local time).
  virtual double Now() = 0;
  virtual void SeedRandom(std::uint32_t seed) = 0;
  // A uniformly drawn integer in [low, high].
  virtual int RandomInt(int low, int high) = 0;
};

// The process's real services (one instance).
RuntimeServices& Win32Runtime();

// Registers the routine run once at process exit: by EndProcess, or when
// ProgramMain returns.
void RegisterExitRoutine(void (*routine)());
// Runs the registered exit routine if it has not run yet.
void RunExitRoutine();

// The message text the system has for `error` (GBK, without trailing newline).
std::string DescribeError(DWORD error);

}  // namespace runtime
