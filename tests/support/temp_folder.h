// A uniquely named folder under the system's temporary folder, removed with
// everything in it when the test is done, and small file helpers.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace test {

// The names in a folder (not recursive), sorted.
inline std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// Removes `path` and everything under it, read-only files included.
inline bool RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileA(path.c_str());
  bool removed = true;
  for (const std::string& name : ListFolder(path)) removed = RemoveTree(path + "\\" + name) && removed;
  return RemoveDirectoryA(path.c_str()) && removed;
}

class TempFolder {
 public:
  TempFolder() {
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "tavrin-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    // A program started from the folder may still be closing; give it time.
    for (int attempt = 0; attempt < 50 && !RemoveTree(path_); ++attempt) Sleep(100);
  }

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  // The names in the folder (not recursive), sorted.
  std::vector<std::string> List() const { return ListFolder(path_); }

 private:
  std::string path_;
};

inline bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The whole content of a file; nullopt when it cannot be read.
inline std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::uint8_t> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  const bool ok = ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

}  // namespace test
