// Files and folders: creating directories and replacing files whole.
#include <algorithm>
#include <string>

#include "app/runtime/handles.h"
#include "app/runtime/win32_services.h"

namespace runtime {
namespace {

Outcome LastError() { return {GetLastError()}; }

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder part of `path` ("." when it names no folder), for the temporary
// file that is later moved over the target.
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  if (slash == 0 || (slash == 2 && path[1] == ':')) return path.substr(0, slash + 1);  // a root
  return path.substr(0, slash);
}

// Writes all of `bytes` to the open file and flushes it to the disk.
Outcome WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  // ::WriteFile takes a DWORD count; larger blobs go in pieces.
  constexpr std::size_t kChunk = 1u << 30;
  while (!bytes.empty()) {
    const DWORD want = static_cast<DWORD>(std::min(bytes.size(), kChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), want, &written, nullptr)) return LastError();
    bytes = bytes.subspan(written);
  }
  if (!FlushFileBuffers(file)) return LastError();
  return Outcome::Success();
}

}  // namespace

Outcome Win32Services::CreateDir(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return Outcome::Success();
  const DWORD error = GetLastError();
  // An existing directory is what the caller wants; an existing file is not.
  if (error == ERROR_ALREADY_EXISTS && IsDirectory(path)) return Outcome::Success();
  return {error};
}

Outcome Win32Services::WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  // Windows refuses to replace a read-only file (ERROR_ACCESS_DENIED) but
  // Wine 8 replaces it; checking first gives Windows' answer everywhere, and
  // before any bytes are written.
  const DWORD existing = GetFileAttributesA(path.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) {
    return {ERROR_ACCESS_DENIED};
  }

  char temporary[MAX_PATH];
  // Creates an empty, uniquely named file in the target's folder, so the final
  // move stays on one volume and is a rename.
  if (!GetTempFileNameA(FolderOf(path).c_str(), "tvr", 0, temporary)) return LastError();

  Outcome result;
  {
    UniqueHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    result = file.valid() ? WriteAll(file.get(), bytes) : LastError();
    if (result.ok() && !file.Close()) result = LastError();
  }
  if (result.ok() &&
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    result = LastError();
  }
  if (!result.ok()) DeleteFileA(temporary);
  return result;
}

bool Win32Services::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace runtime
