// Access to the resources of the built installer exe and to the padded
// payload programs next to it in the build folder.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace test {

// The installer exe mapped as a data file: its resources without running it.
class InstallerModule {
 public:
  InstallerModule()
      : module_(LoadLibraryExA(TAVRIN_SETUP_EXE, nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~InstallerModule() {
    if (module_) FreeLibrary(module_);
  }
  InstallerModule(const InstallerModule&) = delete;
  InstallerModule& operator=(const InstallerModule&) = delete;

  HMODULE handle() const { return module_; }

  // The bytes of resource `name` of `type`; empty when absent.
  std::span<const std::uint8_t> Bytes(LPCSTR name, LPCSTR type) const {
    HRSRC info = module_ ? FindResourceA(module_, name, type) : nullptr;
    HGLOBAL data = info ? LoadResource(module_, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module_, info)};
  }

 private:
  HMODULE module_;
};

// Wine path of a file of the payload's build folder, e.g. "narvel.exe".
inline std::string PayloadBuildFile(const char* name) { return std::string(PAYLOAD_BUILD_DIR) + name; }

// The whole content of a file; empty when it cannot be read.
inline std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  DWORD read = 0;
  if (GetFileSizeEx(file, &size)) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
  }
  CloseHandle(file);
  return bytes;
}

// One of the four programs the installer carries, with its installed size.
struct PayloadProgram {
  int id;
  const char* file;
  std::size_t size;
};

inline constexpr PayloadProgram kPayloadPrograms[] = {
    {201, "narvel.exe", 733696},
    {202, "pelgar.exe", 957952},
    {203, "Tavrin.exe", 4415488},
    {204, "dosk.exe", 1294336},
};

}  // namespace test
