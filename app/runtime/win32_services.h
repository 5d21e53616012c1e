// The real runtime services, one member group per source file: files.cpp,
// shell.cpp, process.cpp and environment.cpp.
#pragma once
#include <random>

#include "app/runtime/runtime_services.h"

namespace runtime {

class Win32Services final : public RuntimeServices {
 public:
  std::string BrowseForFolder(HWND owner, const std::string& title) override;
  Outcome CreateDir(const std::string& path) override;
  Outcome WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  bool FileExists(const std::string& path) override;
  std::optional<std::string> GetSpecialFolder(SpecialFolder which) override;
  Outcome CreateShortcut(const std::string& linkPath, const std::string& target) override;
  Outcome RunProgram(const std::string& program, const std::string& arguments, bool wait,
                     std::optional<int> showMode) override;
  [[noreturn]] void EndProcess(UINT exitCode) override;
  std::string GetEnvironment(const std::string& name) override;
  double Now() override;
  void SeedRandom(std::uint32_t seed) override;
  int RandomInt(int low, int high) override;

 private:
  std::mt19937 random_;
};

}  // namespace runtime
